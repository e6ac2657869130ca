#include "gui/CommandButton.h"

#include <QPushButton>

namespace tarvela {

QPushButton* commandButton(const QString& caption, QWidget* owner, std::function<void()> command)
{
    auto* button = new QPushButton(caption, owner);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    if (command)
        QObject::connect(button, &QPushButton::clicked, owner, std::move(command));
    return button;
}

} // namespace tarvela
