#include "gui/OwnerActivation.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace tarvela {

namespace {

// The modal window still open takes the keyboard (the dialog a lookup list
// was opened from), otherwise the closed window's owner.
void activateNext(const QPointer<QWidget>& owner)
{
    if (QApplication::activeWindow() != nullptr)
        return;
    QWidget* next = QApplication::activeModalWidget();
    if (next == nullptr)
        next = owner;
    if (next != nullptr && next->isVisible())
        next->activateWindow();
}

} // namespace

void OwnerActivation::install(QApplication& application)
{
    application.installEventFilter(new OwnerActivation(&application));
}

bool OwnerActivation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Hide || !watched->isWidgetType())
        return false;
    auto* closed = static_cast<QWidget*>(watched);
    if (!closed->isWindow() || closed->windowType() == Qt::Popup || closed->windowType() == Qt::ToolTip)
        return false;
    QPointer<QWidget> owner = closed->parentWidget() != nullptr ? closed->parentWidget()->window() : nullptr;
    // Qt deactivates the closed window after its hide event; decide after that.
    QTimer::singleShot(0, this, [owner] { activateNext(owner); });
    return false;
}

} // namespace tarvela
