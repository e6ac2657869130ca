#include "gui/EnteredField.h"

#include <QEvent>
#include <QLineEdit>

namespace tarvela {

EnteredField::EnteredField(QLineEdit& edit) : QObject(&edit)
{
    edit.installEventFilter(this);
    connect(&edit, &QLineEdit::textEdited, this, [this] { entered_ = true; });
}

bool EnteredField::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        entered_ = true;
    return QObject::eventFilter(watched, event);
}

} // namespace tarvela
