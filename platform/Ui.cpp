#include "platform/Ui.h"

#include <iostream>

namespace tarvela {

void ConsoleUi::showMessage(const std::string& text)
{
    std::cerr << text << '\n';
}

bool ConsoleUi::askYesNo(const std::string& text)
{
    std::cerr << text << " (Ne)\n";
    return false;
}

} // namespace tarvela
