#include "gui/CommandButton.h"

#include <QDialog>
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

QPushButton* buttonOf(const QDialog& window, const QString& caption)
{
    for (auto* candidate : window.findChildren<QPushButton*>())
        if (candidate->text() == caption)
            return candidate;
    return nullptr;
}

} // namespace tarvela
