// The message of a menu command whose screen this version does not have yet.
#pragma once

class QWidget;

namespace tarvela {

void showNotAvailable(QWidget* owner);

} // namespace tarvela
