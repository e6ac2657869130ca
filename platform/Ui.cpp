#include "platform/Ui.h"

#include <iostream>

namespace tarvela {

namespace {

class NeverCancelled : public CancellableProgress {
public:
    bool advance(int) override { return true; }
};

} // namespace

std::unique_ptr<CancellableProgress> Ui::openCancellableProgress(const std::string&)
{
    return std::make_unique<NeverCancelled>();
}

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
