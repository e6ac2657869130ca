#include "controls/DialogKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "controls/KeyRules.h"

namespace tarvela {

namespace {

class EnterOnButtons : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (!isEnterKey(key.key()) || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button == nullptr || !button->hasFocus() || !button->isEnabled() || !button->isVisible())
            return false;
        button->click();
        return true;
    }
};

} // namespace

void installDialogKeys(QApplication& application)
{
    application.installEventFilter(new EnterOnButtons(&application));
}

bool pressDefaultButton(QWidget& window)
{
    for (auto* button : window.findChildren<QPushButton*>()) {
        if (button->isDefault() && button->isVisible() && button->isEnabled() && button->window() == &window) {
            button->click();
            return true;
        }
    }
    return false;
}

} // namespace tarvela
