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
}

} // namespace tarvela
