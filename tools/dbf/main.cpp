// tarvela-dbf: inspect and repair the tables of a Merkan data folder.
#include <algorithm>
#include <iostream>

#include "Command.h"
#include "platform/Error.h"

using namespace tarvela::tool;

namespace {

void printUsage()
{
    std::cerr << "Usage:\n";
    for (const Command& command : commands())
        std::cerr << "  tarvela-dbf " << command.name << ' ' << command.usage << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        printUsage();
        return kExitUnreadable;
    }
    const auto found = std::ranges::find(commands(), args.front(), &Command::name);
    if (found == commands().end()) {
        std::cerr << "Unknown command: " << args.front() << '\n';
        printUsage();
        return kExitUnreadable;
    }
    args.erase(args.begin());
    try {
        return found->run(std::move(args));
    } catch (const tarvela::Error& error) {
        std::cerr << error.what() << '\n';
        return kExitUnreadable;
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return kExitUnreadable;
    }
}
