#include "report/render_qt/PageRenderer.h"

#include <QFontMetricsF>
#include <QPaintDevice>

#include "report/render_qt/ReportFonts.h"

namespace tarvela {

namespace {

// Pages are drawn in thousandths of a cm, so that font sizes stay in the
// range the font engine handles well at any zoom.
constexpr double kUnitsPerCm = 1000;
constexpr double kCmPerPoint = 2.54 / 72.0;

QColor qtColor(Rgb color)
{
    return QColor(color.red, color.green, color.blue);
}

void drawText(QPainter& painter, const TextRun& run, double dpi)
{
    const QFont font = reportFont(run.font, run.font.sizePt * kCmPerPoint * kUnitsPerCm, dpi);
    painter.setFont(font);
    painter.setPen(qtColor(run.font.color));
    const QString text = QString::fromStdString(run.text);
    // Hold the edge the layout meant, should Qt's width differ a little.
    double x = run.x * kUnitsPerCm;
    if (run.align != Justification::Left) {
        const double drawn = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
        const double wanted = run.width * kUnitsPerCm;
        x += run.align == Justification::Right ? wanted - drawn : (wanted - drawn) / 2;
    }
    painter.drawText(QPointF(x, run.baseline * kUnitsPerCm), text);
}

void drawLine(QPainter& painter, const LineSegment& line)
{
    QPen pen(qtColor(line.color), line.penWidth * kUnitsPerCm, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawLine(QPointF(line.x1, line.y1) * kUnitsPerCm, QPointF(line.x2, line.y2) * kUnitsPerCm);
}

void fillRect(QPainter& painter, const FilledRect& rect)
{
    painter.fillRect(QRectF(rect.x * kUnitsPerCm, rect.y * kUnitsPerCm, rect.width * kUnitsPerCm,
                            rect.height * kUnitsPerCm),
                     qtColor(rect.color));
}

} // namespace

void renderPage(QPainter& painter, const Page& page, const QRectF& target)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(target.topLeft());
    const double scale = target.width() / (page.widthCm * kUnitsPerCm);
    painter.scale(scale, scale);
    const double dpi = painter.device()->logicalDpiY();
    for (const DrawOp& op : page.ops) {
        if (const auto* run = std::get_if<TextRun>(&op))
            drawText(painter, *run, dpi);
        else if (const auto* rect = std::get_if<FilledRect>(&op))
            fillRect(painter, *rect);
        else
            drawLine(painter, std::get<LineSegment>(op));
    }
    painter.restore();
}

} // namespace tarvela
