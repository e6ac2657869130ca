#include "app/ToolbarPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace tarvela {

namespace {

constexpr int kPictureWidth = 52;
constexpr int kPictureHeight = 66;

// A sheet of paper with a folded corner, ruled lines and a coloured stamp.
QPixmap documentPicture(const QColor& stamp, const QString& sign)
{
    QPixmap picture(kPictureWidth, kPictureHeight);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath sheet;
    sheet.moveTo(8, 4);
    sheet.lineTo(34, 4);
    sheet.lineTo(44, 14);
    sheet.lineTo(44, 62);
    sheet.lineTo(8, 62);
    sheet.closeSubpath();
    painter.setPen(QPen(QColor(60, 60, 60), 1.2));
    painter.setBrush(QColor(250, 250, 240));
    painter.drawPath(sheet);
    painter.drawPolyline(QPolygonF({QPointF(34, 4), QPointF(34, 14), QPointF(44, 14)}));
    painter.setPen(QPen(QColor(120, 120, 160), 1));
    for (int y = 22; y <= 46; y += 6)
        painter.drawLine(13, y, 39, y);
    painter.setPen(Qt::NoPen);
    painter.setBrush(stamp);
    painter.drawEllipse(QRectF(24, 44, 16, 16));
    painter.setPen(Qt::white);
    QFont font("Liberation Sans", 9, QFont::Bold);
    painter.setFont(font);
    painter.drawText(QRectF(24, 44, 16, 16), Qt::AlignCenter, sign);
    return picture;
}

void drawPerson(QPainter& painter, const QPointF& head, qreal scale, const QColor& coat)
{
    painter.setPen(QPen(QColor(50, 50, 50), 1));
    painter.setBrush(QColor(240, 200, 160));
    painter.drawEllipse(head, 6 * scale, 6 * scale);
    painter.setBrush(coat);
    painter.drawRoundedRect(QRectF(head.x() - 10 * scale, head.y() + 8 * scale, 20 * scale, 22 * scale), 5, 5);
}

} // namespace

QPixmap invoicesPicture()
{
    return documentPicture(QColor(30, 120, 60), QStringLiteral("F"));
}

QPixmap creditNotesPicture()
{
    return documentPicture(QColor(190, 40, 40), QStringLiteral("D"));
}

QPixmap salesmenPicture()
{
    QPixmap picture(kPictureWidth, kPictureHeight);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawPerson(painter, QPointF(16, 18), 0.8, QColor(90, 110, 170));
    drawPerson(painter, QPointF(34, 24), 1.0, QColor(40, 70, 140));
    painter.setPen(QPen(QColor(120, 80, 30), 1));
    painter.setBrush(QColor(160, 110, 50));
    painter.drawRect(QRectF(10, 52, 16, 10));
    painter.drawLine(QPointF(15, 52), QPointF(15, 49));
    painter.drawLine(QPointF(21, 52), QPointF(21, 49));
    painter.drawLine(QPointF(15, 49), QPointF(21, 49));
    return picture;
}

QPixmap pinPicture(bool pressed)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(pressed ? QColor(200, 40, 40) : QColor(120, 120, 120));
    if (pressed) {
        painter.drawEllipse(QRectF(4, 2, 8, 8));
        painter.drawLine(QPointF(8, 10), QPointF(8, 15));
    } else {
        painter.drawEllipse(QRectF(1, 4, 8, 8));
        painter.drawLine(QPointF(9, 8), QPointF(15, 8));
    }
    return picture;
}

} // namespace tarvela
