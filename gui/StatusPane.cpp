#include "gui/StatusPane.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QStatusBar>

namespace tarvela {

QLabel* addStatusPane(QStatusBar& bar, int width, const QString& text)
{
    auto* pane = new QLabel(text, &bar);
    pane->setFrameStyle(QFrame::Panel | QFrame::Raised);
    if (width > 0)
        pane->setFixedWidth(width);
    bar.addWidget(pane, width > 0 ? 0 : 1);
    return pane;
}

QString statusClockText(const QDateTime& now)
{
    // Qt's long time format may name the time zone; the clock shows the time only.
    const QString timeFormat = QLocale().timeFormat(QLocale::LongFormat).remove(QLatin1Char('t')).trimmed();
    return now.toString("dd.MM.yyyy") + " " + now.time().toString(timeFormat);
}

} // namespace tarvela
