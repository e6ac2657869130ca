// The progress window of the runs that collect report rows: a centred text
// line ("Příprava údajů pro sestavu" while a run works) above the gauge.
// Centred on the desktop; shown without being modal.
#pragma once

#include "gui/ProgressWindow.h"

namespace tarvela {

class TProSesWin : public ProgressWindow {
    Q_OBJECT
public:
    explicit TProSesWin(QWidget* owner);
};

} // namespace tarvela
