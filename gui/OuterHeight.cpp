#include "gui/OuterHeight.h"

#include <QEvent>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace tarvela {

namespace {

int estimatedFrame(const QWidget& window)
{
    const QStyle* style = window.style();
    return style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window)
           + 2 * style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
}

} // namespace

OuterHeight::OuterHeight(QWidget& window, int width, int stored, int fallback)
    : QObject(&window), window_(window), outer_(stored > 0 ? stored : fallback)
{
    window_.resize(width, std::max(1, outer_ - frameExtra()));
    window_.installEventFilter(this);
}

bool OuterHeight::frameKnown() const
{
    return window_.isVisible() && window_.frameGeometry().height() > window_.height();
}

int OuterHeight::frameExtra() const
{
    return frameKnown() ? window_.frameGeometry().height() - window_.height() : estimatedFrame(window_);
}

int OuterHeight::current() const
{
    return window_.height() + frameExtra();
}

// The first event after the frame is known fits the client area to the
// stored height once; later sizes are the user's.
bool OuterHeight::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (!fitted_ && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) && frameKnown()) {
        fitted_ = true;
        window_.resize(window_.width(), std::max(1, outer_ - frameExtra()));
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tarvela
