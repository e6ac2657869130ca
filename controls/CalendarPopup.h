// The calendar that drops down under a date edit. A click or Enter on a day
// chooses it; Esc or a click outside closes the calendar without a choice.
#pragma once

#include <QDate>
#include <QFrame>

class QCalendarWidget;

namespace tarvela {

class CalendarPopup : public QFrame {
    Q_OBJECT
public:
    explicit CalendarPopup(QWidget& edit);

    QCalendarWidget* calendar() const { return calendar_; }
    // Drops down under the edit with `shown` selected.
    void dropDown(const QDate& shown);

signals:
    void chosen(const QDate& date);

private:
    QWidget& edit_;
    QCalendarWidget* calendar_;
};

} // namespace tarvela
