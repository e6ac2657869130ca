// A date edit with a drop-down calendar, showing "dd.mm.yyyy". Enter moves
// on like Tab except while the calendar is dropped down; Tab leaves the
// control instead of stepping through day, month and year. Day 0 (the
// empty date of the shared tables) shows as an empty field.
#pragma once

#include <QDateEdit>
#include <functional>

#include "controls/KeyRules.h"
#include "platform/Date.h"

namespace tarvela {

class TPelzarDateEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit TPelzarDateEdit(QWidget* parent = nullptr);

    DayNumber dayNumber() const;
    void setDayNumber(DayNumber day);
    bool isCalendarDroppedDown() const;

    void setEnterIsTab(bool on) { keys_->enterIsTab = on; }
    bool enterIsTab() const { return keys_->enterIsTab; }
    void setOnClickSpace(std::function<void()> handler) { keys_->onClickSpace = std::move(handler); }
    std::function<void(TPelzarDateEdit&, Qt::KeyboardModifiers)> OnTabExit;

protected:
    bool focusNextPrevChild(bool next) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Called whenever the focus leaves the control.
    virtual void leftControl(QFocusEvent& event);

private:
    KeyRules* keys_;
};

} // namespace tarvela
