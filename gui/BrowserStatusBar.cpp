#include "gui/BrowserStatusBar.h"

#include <QDateTime>
#include <QLabel>

#include "gui/StatusPane.h"

namespace tarvela {

BrowserStatusBar::BrowserStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    setFixedHeight(19);
    addStatusPane(*this, 146);
    addStatusPane(*this, 45, QStringLiteral("CAPS"))->setEnabled(false);
    addStatusPane(*this, 45, QStringLiteral("NUM"))->setEnabled(false);
    clock_ = addStatusPane(*this, 0);
    connect(&timer_, &QTimer::timeout, this, &BrowserStatusBar::tick);
    timer_.start(1000);
    tick();
}

void BrowserStatusBar::tick()
{
    clock_->setText(statusClockText(QDateTime::currentDateTime()));
}

} // namespace tarvela
