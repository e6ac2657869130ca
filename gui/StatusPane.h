// The panes of the program's status bars (the main window's and the document
// browsers'): raised panels of fixed width, and the clock text they show.
#pragma once

#include <QString>

class QDateTime;
class QLabel;
class QStatusBar;

namespace tarvela {

// width 0: the pane takes the rest of the bar.
QLabel* addStatusPane(QStatusBar& bar, int width, const QString& text = {});
// "dd.mm.yyyy" and the time in the user's long format, without its time zone.
QString statusClockText(const QDateTime& now);

} // namespace tarvela
