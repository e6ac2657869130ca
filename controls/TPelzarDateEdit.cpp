#include "controls/TPelzarDateEdit.h"

#include <QCalendarWidget>
#include <QFocusEvent>

#include "controls/FocusCheck.h"

namespace tarvela {

TPelzarDateEdit::TPelzarDateEdit(QWidget* parent)
    : QDateEdit(parent), keys_(new KeyRules(*this))
{
    setDisplayFormat("dd.MM.yyyy");
    setCalendarPopup(true);
    setMinimumDate(toQDate(0));
    setSpecialValueText(" ");
    keys_->holdsEnter = [this] { return isCalendarDroppedDown(); };
}

DayNumber TPelzarDateEdit::dayNumber() const
{
    return toDayNumber(date());
}

void TPelzarDateEdit::setDayNumber(DayNumber day)
{
    setDate(toQDate(day));
}

bool TPelzarDateEdit::isCalendarDroppedDown() const
{
    return calendarWidget() != nullptr && calendarWidget()->isVisible();
}

bool TPelzarDateEdit::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}

void TPelzarDateEdit::focusOutEvent(QFocusEvent* event)
{
    QDateEdit::focusOutEvent(event);
    const bool tabExit = keys_->takeTabExit();
    leftControl(*event);
    update();
    if (tabExit && OnTabExit)
        OnTabExit(*this, keys_->tabExitModifiers());
}

void TPelzarDateEdit::leftControl(QFocusEvent&)
{
}

} // namespace tarvela
