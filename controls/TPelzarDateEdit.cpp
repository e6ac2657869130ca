#include "controls/TPelzarDateEdit.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QFocusEvent>
#include <QKeyEvent>

#include "controls/CalendarPopup.h"
#include "controls/FocusCheck.h"
#include "controls/LookupButton.h"
#include "controls/ValueChecks.h"

namespace tarvela {

namespace {

constexpr QChar kSeparator('.');

bool isSeparatorKey(const QString& typed)
{
    return typed == "." || typed == "," || typed == "/" || typed == "-";
}

} // namespace

TPelzarDateEdit::TPelzarDateEdit(QWidget* parent)
    : QLineEdit(parent), keys_(new KeyRules(*this)), button_(new LookupButton(*this)),
      calendar_(new CalendarPopup(*this))
{
    setMaxLength(10);
    button_->setButtonVisible(true);
    keys_->holdsEnter = [this] { return isCalendarDroppedDown(); };
    connect(button_, &QToolButton::clicked, this, &TPelzarDateEdit::dropDownCalendar);
    connect(calendar_, &CalendarPopup::chosen, this, [this](const QDate& chosen) {
        setDate(chosen);
        setFocus(Qt::PopupFocusReason);
    });
}

DayNumber TPelzarDateEdit::dayNumber() const
{
    return typedDay().value_or(day_);
}

void TPelzarDateEdit::setDayNumber(DayNumber day)
{
    take(day);
}

QDate TPelzarDateEdit::date() const
{
    return toQDate(dayNumber());
}

void TPelzarDateEdit::setDate(const QDate& date)
{
    take(date.isValid() ? toDayNumber(date) : 0);
}

void TPelzarDateEdit::take(DayNumber day)
{
    day_ = day;
    setText(day == 0 ? QString() : formatDate(toQDate(day)));
}

std::optional<DayNumber> TPelzarDateEdit::typedDay() const
{
    if (text().trimmed().isEmpty())
        return 0;
    const auto parsed = parseDate(text(), QDate::currentDate());
    if (!parsed || toDayNumber(*parsed) <= 0)
        return std::nullopt;
    return toDayNumber(*parsed);
}

QString TPelzarDateEdit::refusalText() const
{
    return QStringLiteral("Neplatné datum „%1“: zadejte den, měsíc a rok, například 15.01.2008.").arg(text());
}

bool TPelzarDateEdit::isCalendarDroppedDown() const
{
    return calendar_->isVisible();
}

QCalendarWidget* TPelzarDateEdit::calendarWidget() const
{
    return calendar_->calendar();
}

void TPelzarDateEdit::dropDownCalendar()
{
    calendar_->dropDown(date());
}

void TPelzarDateEdit::keyPressEvent(QKeyEvent* event)
{
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Down && modifiers == Qt::AltModifier) || event->key() == Qt::Key_F4) {
        dropDownCalendar();
        return;
    }
    const QString typed = event->text();
    const bool isCharacter = typed.size() == 1 && typed[0].isPrint()
        && !(modifiers & (Qt::ControlModifier | Qt::AltModifier));
    if (!isCharacter)
        return QLineEdit::keyPressEvent(event);
    if (isSeparatorKey(typed))
        return typeSeparator(*event);
    if (!typed[0].isDigit()) {
        QApplication::beep();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// Right before a separator the key steps over it and selects the next part;
// elsewhere it is typed, up to the two a date has.
void TPelzarDateEdit::typeSeparator(QKeyEvent& event)
{
    const QString current = text();
    const int at = cursorPosition();
    if (!hasSelectedText() && at < current.size() && current[at] == kSeparator) {
        selectPartAt(at + 1);
        return;
    }
    QString remaining = current;
    if (hasSelectedText())
        remaining.remove(selectionStart(), selectedText().size());
    if (remaining.count(kSeparator) >= 2 || remaining.isEmpty())
        return;
    QKeyEvent dot(event.type(), event.key(), event.modifiers(), QString(kSeparator));
    QLineEdit::keyPressEvent(&dot);
}

void TPelzarDateEdit::selectPartAt(int position)
{
    const QString current = text();
    const int start = position == 0 ? 0 : current.lastIndexOf(kSeparator, position - 1) + 1;
    int end = current.indexOf(kSeparator, position);
    if (end < 0)
        end = current.size();
    setSelection(start, end - start);
}

void TPelzarDateEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (!hasSelectedText())
        selectPartAt(cursorPosition());
}

void TPelzarDateEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason)
        selectAll();
}

void TPelzarDateEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    const bool tabExit = keys_->takeTabExit();
    if (!isLeavingWithinWindow(*event, *this))
        return;
    const auto day = typedDay();
    if (!day) {
        showErrorText(*this, refusalText());
        returnFocusTo(*this);
        return;
    }
    take(*day);
    leftControl(*event);
    update();
    if (tabExit && OnTabExit)
        OnTabExit(*this, keys_->tabExitModifiers());
}

void TPelzarDateEdit::leftControl(QFocusEvent&)
{
}

} // namespace tarvela
