#include "controls/KeyRules.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include "controls/DialogKeys.h"
#include "controls/FocusCheck.h"

namespace tarvela {

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

KeyRules::KeyRules(QWidget& control)
    : QObject(&control), control_(control)
{
    control.installEventFilter(this);
}

bool KeyRules::takeTabExit()
{
    const bool wasTab = tabExit_;
    tabExit_ = false;
    return wasTab;
}

bool KeyRules::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &control_)
        return false;
    if (event->type() == QEvent::FocusIn)
        tabExit_ = false;
    if (event->type() != QEvent::KeyPress)
        return false;
    return handleKey(static_cast<QKeyEvent&>(*event));
}

bool KeyRules::handleKey(QKeyEvent& key)
{
    const auto modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) {
        tabExit_ = true;
        tabModifiers_ = modifiers;
        return false;
    }
    if (isEnterKey(key.key()) && enterIsTab && modifiers == Qt::NoModifier) {
        if (holdsEnter && holdsEnter())
            return false;
        const int refusedBefore = refusedLeaves();
        moveFocusOn(modifiers);
        if (enterIsDialogKey && refusedLeaves() == refusedBefore)
            pressDefaultButton(*control_.window());
        return true;
    }
    if (key.key() == Qt::Key_Space && modifiers == Qt::NoModifier && onClickSpace) {
        onClickSpace();
        return true;
    }
    return false;
}

void KeyRules::moveFocusOn(Qt::KeyboardModifiers modifiers)
{
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, modifiers);
    QCoreApplication::sendEvent(&control_, &tab);
}

} // namespace tarvela
