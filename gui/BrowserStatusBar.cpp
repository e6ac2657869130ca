#include "gui/BrowserStatusBar.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>

namespace tarvela {

namespace {

QLabel* addPane(QStatusBar& bar, const QString& text, int width, int stretch)
{
    auto* pane = new QLabel(text, &bar);
    pane->setFrameStyle(QFrame::Panel | QFrame::Raised);
    if (width > 0)
        pane->setFixedWidth(width);
    bar.addWidget(pane, stretch);
    return pane;
}

} // namespace

BrowserStatusBar::BrowserStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    setFixedHeight(19);
    addPane(*this, QString(), 146, 0);
    addPane(*this, QStringLiteral("CAPS"), 45, 0)->setEnabled(false);
    addPane(*this, QStringLiteral("NUM"), 45, 0)->setEnabled(false);
    clock_ = addPane(*this, QString(), 0, 1);
    connect(&timer_, &QTimer::timeout, this, &BrowserStatusBar::tick);
    timer_.start(1000);
    tick();
}

void BrowserStatusBar::tick()
{
    const QDateTime now = QDateTime::currentDateTime();
    // Qt's long time format names the time zone; the clock shows the time only.
    const QString timeFormat = QLocale().timeFormat(QLocale::LongFormat).remove(QLatin1Char('t')).trimmed();
    clock_->setText(now.toString("dd.MM.yyyy") + " " + now.time().toString(timeFormat));
}

} // namespace tarvela
