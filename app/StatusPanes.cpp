#include "app/StatusPanes.h"

#include <QDateTime>
#include <QLabel>
#include <QStatusBar>

#include "app/LockKeyState.h"
#include "gui/StatusPane.h"

namespace tarvela {

StatusPanes::StatusPanes(QStatusBar& bar)
    : QObject(&bar),
      user_(addStatusPane(bar, 146)),
      caps_(addStatusPane(bar, 45)),
      num_(addStatusPane(bar, 45)),
      clock_(addStatusPane(bar, 0))
{
    bar.setFixedHeight(19);
    QFont small = bar.font();
    small.setPointSize(8);
    bar.setFont(small);
    bar.setSizeGripEnabled(false);
    connect(&timer_, &QTimer::timeout, this, &StatusPanes::refresh);
    timer_.start(1000);
    refresh();
}

void StatusPanes::setUserName(const QString& name)
{
    user_->setText(name);
}

QString StatusPanes::userName() const
{
    return user_->text();
}

QString StatusPanes::clockText() const
{
    return clock_->text();
}

void StatusPanes::refresh()
{
    const LockKeys keys = lockKeyState();
    caps_->setText(keys.capsLock ? QStringLiteral("CAPS") : QString());
    num_->setText(keys.numLock ? QStringLiteral("NUM") : QString());
    clock_->setText(statusClockText(QDateTime::currentDateTime()));
}

} // namespace tarvela
