// Enter on a push button that has the focus presses it, in every window and
// message box of the program, as on the desktop these dialogs come from
// (Qt leaves such a button to Space unless it is a default button). Install
// once on the application, before the first window opens.
#pragma once

class QApplication;
class QWidget;

namespace tarvela {

void installDialogKeys(QApplication& application);

// Presses the window's default push button, when it has a visible, enabled
// one; true when one was pressed. Enter in the validating edits reaches the
// window this way.
bool pressDefaultButton(QWidget& window);

} // namespace tarvela
