// A date edit with a drop-down calendar, showing "dd.mm.yyyy". The clerk
// types the date as text: "15.01.2008", "15.1.2008", "15.01.08" and
// "15012008" are all the 15th of January 2008; "." steps to the next part
// of the date and never out of the field. Clicking into a part selects it,
// so typing replaces it. Leaving the field with a date that does not exist
// says so and keeps the focus. Enter moves on like Tab except while the
// calendar is dropped down. Day 0 (the empty date of the shared tables)
// shows as an empty field.
#pragma once

#include <QDate>
#include <QLineEdit>
#include <functional>
#include <optional>

#include "controls/KeyRules.h"
#include "platform/Date.h"

class QCalendarWidget;

namespace tarvela {

class CalendarPopup;
class LookupButton;

class TPelzarDateEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TPelzarDateEdit(QWidget* parent = nullptr);

    // The typed date, or the last one taken while the text is no date.
    DayNumber dayNumber() const;
    void setDayNumber(DayNumber day);
    QDate date() const;
    void setDate(const QDate& date);
    // The date the text stands for (day 0 for an empty text), or nothing
    // when the text is no existing date.
    std::optional<DayNumber> typedDay() const;
    // The message that refuses the text as a date.
    QString refusalText() const;

    bool isCalendarDroppedDown() const;
    QCalendarWidget* calendarWidget() const;

    void setEnterIsTab(bool on) { keys_->enterIsTab = on; }
    bool enterIsTab() const { return keys_->enterIsTab; }
    void setOnClickSpace(std::function<void()> handler) { keys_->onClickSpace = std::move(handler); }
    std::function<void(TPelzarDateEdit&, Qt::KeyboardModifiers)> OnTabExit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Called when the focus leaves the control with a date that exists.
    virtual void leftControl(QFocusEvent& event);

private:
    void dropDownCalendar();
    void typeSeparator(QKeyEvent& event);
    void selectPartAt(int position);
    void take(DayNumber day);

    KeyRules* keys_;
    LookupButton* button_;
    CalendarPopup* calendar_;
    DayNumber day_ = 0;
};

} // namespace tarvela
