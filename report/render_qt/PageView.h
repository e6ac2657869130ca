// The widget that shows one page of a report at a zoom, as white paper with
// its drawing and, over it, the text found last; the preview window places
// it in a scroll area. 100 % shows the page at its real size on the screen.
#pragma once

#include <QWidget>

#include "report/PageModel.h"

namespace tarvela {

class PageView : public QWidget {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);

    // The page must outlive its showing; nullptr shows nothing.
    void showPage(const Page* page, int zoomPercent);
    // Marks a box of the page (in cm), such as a found text; an empty box
    // marks nothing.
    void setHighlight(const QRectF& boxCm);
    const QRectF& highlight() const { return highlight_; }
    // Where a box of the page (in cm) is drawn in this widget.
    QRectF toWidget(const QRectF& boxCm) const;
    // Pixels per cm at 100 % on this screen.
    double pixelsPerCm() const;
    // The size of a page at a zoom, paper only.
    QSizeF pageSizeAt(const Page& page, int zoomPercent) const;

    static constexpr int kPaperMargin = 10;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Page* page_ = nullptr;
    int zoom_ = 100;
    QRectF highlight_;
};

} // namespace tarvela
