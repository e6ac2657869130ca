#include "controls/TVEdit.h"

#include <QDate>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTime>

#include "controls/FocusCheck.h"
#include "controls/ValueChecks.h"

namespace tarvela {

TVEdit::TVEdit(QWidget* parent)
    : QLineEdit(parent), keys_(new KeyRules(*this))
{
}

std::optional<QString> TVEdit::checkedText() const
{
    const QString current = text();
    switch (editType_) {
    case EditType::ttInteger:
        return checkInteger(current);
    case EditType::ttFloat:
        if (floatPrecision_ == 0)
            return current;
        return checkFloat(current, floatPrecision_, floatDigits_);
    case EditType::ttDate:
        if (current.isEmpty() || current == blankDate_)
            return blankDate_;
        return checkDate(current, QDate::currentDate());
    case EditType::ttTime:
        if (current.isEmpty() || current == blankTime_)
            return blankTime_;
        return checkTime(current, QTime::currentTime());
    case EditType::ttString:
        break;
    }
    return current;
}

void TVEdit::keyPressEvent(QKeyEvent* event)
{
    const bool convertible = editType_ == EditType::ttFloat || editType_ == EditType::ttDate
        || editType_ == EditType::ttTime;
    if (convertDecimalSymbol_ && convertible && event->text() == ",")
        return typeKey(*event, ".");
    QLineEdit::keyPressEvent(event);
}

void TVEdit::typeKey(QKeyEvent& event, const QString& text)
{
    QKeyEvent replaced(event.type(), event.key(), event.modifiers(), text, event.isAutoRepeat(), event.count());
    QLineEdit::keyPressEvent(&replaced);
    event.setAccepted(replaced.isAccepted());
}

void TVEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    const bool tabExit = keys_->takeTabExit();
    if (!isLeavingWithinWindow(*event, *this))
        return;
    const auto checked = checkedText();
    if (!checked) {
        showDataFormatError(*this);
        returnFocusTo(*this);
        return;
    }
    if (*checked != text())
        setText(*checked);
    update();
    if (tabExit && OnTabExit)
        OnTabExit(*this, keys_->tabExitModifiers());
}

} // namespace tarvela
