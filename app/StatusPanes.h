// The main window's status bar: the user's full name, "CAPS" and "NUM" while
// those locks are on, and the current date and time, refreshed every second.
#pragma once

#include <QObject>
#include <QTimer>

class QLabel;
class QStatusBar;

namespace tarvela {

class StatusPanes : public QObject {
    Q_OBJECT
public:
    explicit StatusPanes(QStatusBar& bar);

    void setUserName(const QString& name);
    QString userName() const;
    QString clockText() const;

private:
    void refresh();

    QLabel* user_;
    QLabel* caps_;
    QLabel* num_;
    QLabel* clock_;
    QTimer timer_;
};

} // namespace tarvela
