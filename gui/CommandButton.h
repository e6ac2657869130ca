// A button of a list window's panel: it never takes the focus from the grid
// and is never a default button, so Enter and the arrow keys stay with the
// grid while a click still runs the command.
#pragma once

#include <QString>
#include <functional>

class QPushButton;
class QWidget;

namespace tarvela {

QPushButton* commandButton(const QString& caption, QWidget* owner, std::function<void()> command = {});

} // namespace tarvela
