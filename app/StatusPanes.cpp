#include "app/StatusPanes.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QStatusBar>

#include "app/LockKeyState.h"

namespace tarvela {

namespace {

QLabel* addPane(QStatusBar& bar, int width, int stretch)
{
    auto* pane = new QLabel(&bar);
    pane->setFrameStyle(QFrame::Panel | QFrame::Raised);
    if (width > 0)
        pane->setFixedWidth(width);
    bar.addWidget(pane, stretch);
    return pane;
}

} // namespace

StatusPanes::StatusPanes(QStatusBar& bar)
    : QObject(&bar),
      user_(addPane(bar, 146, 0)),
      caps_(addPane(bar, 45, 0)),
      num_(addPane(bar, 45, 0)),
      clock_(addPane(bar, 0, 1))
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
    const QDateTime now = QDateTime::currentDateTime();
    clock_->setText(now.toString("dd.MM.yyyy") + " " + QLocale().toString(now.time(), QLocale::LongFormat));
}

} // namespace tarvela
