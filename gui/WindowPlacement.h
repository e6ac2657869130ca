// Placement of windows: a child at a fixed offset from its opener's top-left
// corner, and the main window's snapping to the edges of the work area.
#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace tarvela {

// The child's left = the opener's left + dx, its top = the opener's top + dy.
void placeAt(QWidget& child, const QWidget& opener, int dx, int dy);

// The frame's position after every edge closer than `distance` pixels to the
// same edge of the work area was put on it; the size stays.
QPoint snapToWorkArea(const QRect& frame, const QRect& workArea, int distance = 16);

} // namespace tarvela
