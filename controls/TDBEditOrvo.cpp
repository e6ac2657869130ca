#include "controls/TDBEditOrvo.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

#include "controls/DecimalSeparator.h"
#include "controls/FieldCaption.h"
#include "controls/FocusCheck.h"
#include "controls/ValueChecks.h"
#include "platform/Error.h"

namespace tarvela {

TDBEditOrvo::TDBEditOrvo(QWidget* parent)
    : QLineEdit(parent), keys_(new KeyRules(*this)), button_(new LookupButton(*this))
{
    keys_->enterIsDialogKey = true;
    connect(button_, &QToolButton::clicked, this, [this] {
        if (OnClickButton)
            OnClickButton(*this);
    });
}

void TDBEditOrvo::bind(DbfTable* table, const std::string& fieldName)
{
    binding_.bind(table, fieldName);
    refresh();
}

void TDBEditOrvo::refresh()
{
    const int width = binding_.textWidth();
    setMaxLength(width > 0 ? width : 32767);
    setText(binding_.storedText());
}

void TDBEditOrvo::updateRecord()
{
    try {
        binding_.store(text());
    } catch (const Error& error) {
        throw Error(withFieldCaption(error.what(), binding_.fieldName(), *this));
    }
}

void TDBEditOrvo::setColorDisable(const QColor& color)
{
    colorDisable_ = color;
    QPalette colours = palette();
    colours.setColor(QPalette::Disabled, QPalette::Base, color);
    colours.setColor(QPalette::Disabled, QPalette::Text, palette().color(QPalette::Active, QPalette::Text));
    setPalette(colours);
}

void TDBEditOrvo::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

bool TDBEditOrvo::isFloatInput() const
{
    return editType_ == DBEditType::setFloat || binding_.holdsFloat();
}

void TDBEditOrvo::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        refresh();
        event->ignore();
        return;
    }
    if (isEnterKey(event->key())) {
        event->ignore();
        return;
    }
    const QString typed = event->text();
    if (isFloatInput() && (typed == "," || typed == ".")) {
        QKeyEvent mapped(event->type(), event->key(), event->modifiers(), mapDecimalKey(typed));
        QLineEdit::keyPressEvent(&mapped);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TDBEditOrvo::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

bool TDBEditOrvo::needsValidation() const
{
    switch (whenValid_) {
    case WhenValid::swvAlways:
        return true;
    case WhenValid::swvWhenEdit:
        return binding_.isEditing();
    case WhenValid::swvWhenChange:
        return text() != binding_.storedText();
    case WhenValid::swvNone:
        return false;
    }
    return true;
}

QDateTime TDBEditOrvo::defaultDateTime() const
{
    if (dateTimeType_ == DateTimeType::sdtUser && userDateTime_.isValid())
        return userDateTime_;
    return QDateTime::currentDateTime();
}

bool TDBEditOrvo::completeDateOrTime(QString& text) const
{
    const QDateTime base = defaultDateTime();
    const auto completed = editType_ == DBEditType::setDate ? checkDate(text, base.date())
                                                            : checkTime(text, base.time());
    if (!completed)
        return false;
    text = *completed;
    return true;
}

bool TDBEditOrvo::validate()
{
    if (!needsValidation())
        return true;
    QString value = text();
    bool valid = true;
    if (editType_ == DBEditType::setDate || editType_ == DBEditType::setTime)
        valid = value.trimmed().isEmpty() || completeDateOrTime(value);
    if (OnValid)
        OnValid(*this, value, valid);
    if (value != text())
        setText(value);
    return valid;
}

void TDBEditOrvo::reportInvalid()
{
    if (OnError)
        OnError(*this);
    else if (!errorString_.isEmpty())
        showErrorText(*this, errorString_);
}

void TDBEditOrvo::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    keys_->takeTabExit();
    if (!isLeavingWithinWindow(*event, *this))
        return;
    if (!validate()) {
        returnFocusTo(*this);
        reportInvalid();
        return;
    }
    try {
        updateRecord();
    } catch (const Error& error) {
        showErrorText(*this, QString::fromStdString(error.what()));
        returnFocusTo(*this);
    }
}

} // namespace tarvela
