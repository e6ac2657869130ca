#include "controls/TEditOrvo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include "controls/DecimalSeparator.h"

namespace tarvela {

TEditOrvo::TEditOrvo(QWidget* parent)
    : TVEdit(parent), button_(new LookupButton(*this))
{
    keyRules().enterIsDialogKey = true;
    connect(button_, &QToolButton::clicked, this, [this] {
        if (OnClickButton)
            OnClickButton(*this);
    });
}

bool TEditOrvo::acceptsCharacter(QChar typed) const
{
    static const QString allowed = QStringLiteral("+,-.:");
    return typed.isDigit() || allowed.contains(typed);
}

void TEditOrvo::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const bool isCharacter = typed.size() == 1 && typed[0].isPrint()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (editType() == EditType::ttString || !isCharacter)
        return TVEdit::keyPressEvent(event);
    if (!acceptsCharacter(typed[0])) {
        QApplication::beep();
        emit keyRefused();
        return;
    }
    // In a date "," and "." separate its parts; in a number they are its
    // decimal separator.
    QString mapped = editType() == EditType::ttDate && (typed == "," || typed == ".") ? "." : mapDecimalKey(typed);
    if (convertDecimalSymbol() && editType() != EditType::ttInteger && mapped == ",")
        mapped = ".";
    typeKey(*event, mapped);
}

void TEditOrvo::focusInEvent(QFocusEvent* event)
{
    TVEdit::focusInEvent(event);
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

} // namespace tarvela
