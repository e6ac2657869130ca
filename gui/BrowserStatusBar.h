// The status bar of the document browsers: the four panes of the main
// window's, with an empty text pane, the Caps Lock and Num Lock indicators
// shown disabled and the clock, refreshed every second.
#pragma once

#include <QStatusBar>
#include <QTimer>

class QLabel;

namespace tarvela {

class BrowserStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit BrowserStatusBar(QWidget* parent);

private:
    void tick();

    QLabel* clock_;
    QTimer timer_;
};

} // namespace tarvela
