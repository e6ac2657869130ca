#include "gui/CommandButton.h"

#include <QPushButton>
#include <QShortcut>

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

void addKeyCommand(QWidget& window, const QKeySequence& keys, std::function<void()> command)
{
    auto* shortcut = new QShortcut(keys, &window);
    QObject::connect(shortcut, &QShortcut::activated, &window, std::move(command));
}

} // namespace tarvela
