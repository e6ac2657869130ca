// The three 52 × 66 pictures of the main window's toolbar, drawn here so the
// program needs no picture files: invoices, credit notes and salesmen.
#pragma once

#include <QPixmap>

namespace tarvela {

QPixmap invoicesPicture();
QPixmap creditNotesPicture();
QPixmap salesmenPicture();

// The two pictures of the always-on-top button: a pin up and pressed in.
QPixmap pinPicture(bool pressed);

} // namespace tarvela
