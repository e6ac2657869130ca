#include "app/AlwaysOnTop.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolButton>

#include "app/ToolbarPictures.h"

namespace tarvela {

AlwaysOnTop::AlwaysOnTop(QMainWindow& window)
    : QObject(&window), window_(window),
      action_(new QAction(QStringLiteral("Always on &top"), &window)),
      button_(new QToolButton(window.menuBar()))
{
    action_->setCheckable(true);
    QIcon pin;
    pin.addPixmap(pinPicture(false), QIcon::Normal, QIcon::Off);
    pin.addPixmap(pinPicture(true), QIcon::Normal, QIcon::On);
    button_->setIcon(pin);
    button_->setCheckable(true);
    button_->setAutoRaise(true);
    button_->setToolTip(QStringLiteral("Always on top"));
    button_->setFocusPolicy(Qt::NoFocus);
    window.menuBar()->setCornerWidget(button_, Qt::TopRightCorner);

    auto* separator = new QAction(&window);
    separator->setSeparator(true);
    window.addAction(separator);
    window.addAction(action_);
    window.setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(action_, &QAction::triggered, this, [this] { toggle(); });
    connect(button_, &QToolButton::clicked, this, [this] { toggle(); });
}

bool AlwaysOnTop::isOn() const
{
    return window_.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void AlwaysOnTop::toggle()
{
    apply(!isOn());
}

void AlwaysOnTop::apply(bool on)
{
    const QPoint position = window_.pos();
    const bool visible = window_.isVisible();
    window_.setAttribute(Qt::WA_ShowWithoutActivating, true);
    window_.setWindowFlag(Qt::WindowStaysOnTopHint, on);
    window_.move(position);
    if (visible)
        window_.show();
    window_.setAttribute(Qt::WA_ShowWithoutActivating, false);
    action_->setChecked(isOn());
    button_->setChecked(isOn());
}

} // namespace tarvela
