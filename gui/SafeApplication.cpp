#include "gui/SafeApplication.h"

#include <exception>

#include "controls/MessageBoxes.h"

namespace tarvela {

namespace {

void showFailure(const char* text)
{
    showMessageBox(messageOwner(), QMessageBox::Critical, QApplication::applicationDisplayName(),
                   QString::fromUtf8(text));
}

} // namespace

SafeApplication::SafeApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool SafeApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showFailure(error.what());
    } catch (...) {
        showFailure("Neočekávaná chyba programu.");
    }
    return true;
}

} // namespace tarvela
