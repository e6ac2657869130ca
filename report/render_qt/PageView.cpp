#include "report/render_qt/PageView.h"

#include <QPainter>

#include "report/render_qt/PageRenderer.h"

namespace tarvela {

PageView::PageView(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Dark);
}

void PageView::showPage(const Page* page, int zoomPercent)
{
    page_ = page;
    zoom_ = zoomPercent;
    const QSizeF paper = page ? pageSizeAt(*page, zoomPercent) : QSizeF();
    setFixedSize(paper.toSize() + QSize(2 * kPaperMargin, 2 * kPaperMargin));
    update();
}

double PageView::pixelsPerCm() const
{
    return logicalDpiX() / 2.54;
}

QSizeF PageView::pageSizeAt(const Page& page, int zoomPercent) const
{
    const double scale = pixelsPerCm() * zoomPercent / 100.0;
    return QSizeF(page.widthCm * scale, page.heightCm * scale);
}

void PageView::setHighlight(const QRectF& boxCm)
{
    highlight_ = boxCm;
    update();
}

QRectF PageView::toWidget(const QRectF& boxCm) const
{
    const double scale = pixelsPerCm() * zoom_ / 100.0;
    return QRectF(kPaperMargin + boxCm.x() * scale, kPaperMargin + boxCm.y() * scale, boxCm.width() * scale,
                  boxCm.height() * scale);
}

void PageView::paintEvent(QPaintEvent*)
{
    if (!page_)
        return;
    QPainter painter(this);
    const QRectF paper(QPointF(kPaperMargin, kPaperMargin), pageSizeAt(*page_, zoom_));
    painter.fillRect(paper, Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(paper.adjusted(-1, -1, 0, 0));
    renderPage(painter, *page_, paper);
    if (!highlight_.isEmpty()) {
        painter.setPen(QColor(230, 120, 0));
        painter.setBrush(QColor(255, 200, 0, 110));
        painter.drawRect(toWidget(highlight_));
    }
}

} // namespace tarvela
