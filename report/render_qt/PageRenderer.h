// Paints one page of the page model with QPainter: the same code draws the
// preview, the printed page and the PDF. The painter's state is restored
// before returning.
#pragma once

#include <QPainter>
#include <QRectF>

#include "report/PageModel.h"

namespace tarvela {

// target is the whole page in the painter's device coordinates.
void renderPage(QPainter& painter, const Page& page, const QRectF& target);

} // namespace tarvela
