// The commands of a list window: a panel button that never takes the focus
// from the grid and is never a default button, so Enter and the arrow keys
// stay with the grid while a click still runs the command; and the command's
// key, which works wherever the focus is in the window.
#pragma once

#include <QPushButton>
#include <QString>
#include <functional>

class QDialog;
class QKeySequence;
class QWidget;

namespace tarvela {

QPushButton* commandButton(const QString& caption, QWidget* owner, std::function<void()> command = {});
void addKeyCommand(QWidget& window, const QKeySequence& keys, std::function<void()> command);

// The window's button of that caption; nullptr when there is none.
QPushButton* buttonOf(const QDialog& window, const QString& caption);

} // namespace tarvela
