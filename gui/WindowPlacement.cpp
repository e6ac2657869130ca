#include "gui/WindowPlacement.h"

#include <QWidget>
#include <cstdlib>

namespace tarvela {

void placeAt(QWidget& child, const QWidget& opener, int dx, int dy)
{
    child.move(opener.pos() + QPoint(dx, dy));
}

QPoint snapToWorkArea(const QRect& frame, const QRect& area, int distance)
{
    QPoint position = frame.topLeft();
    const int rightEdge = frame.x() + frame.width();
    const int bottomEdge = frame.y() + frame.height();
    const int areaRight = area.x() + area.width();
    const int areaBottom = area.y() + area.height();
    if (std::abs(frame.x() - area.x()) < distance)
        position.setX(area.x());
    else if (std::abs(rightEdge - areaRight) < distance)
        position.setX(areaRight - frame.width());
    if (std::abs(frame.y() - area.y()) < distance)
        position.setY(area.y());
    else if (std::abs(bottomEdge - areaBottom) < distance)
        position.setY(areaBottom - frame.height());
    return position;
}

} // namespace tarvela
