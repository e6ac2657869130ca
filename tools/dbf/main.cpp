// tarvela-dbf: inspect and repair the tables of a Merkan data folder.
#include <algorithm>

#include "Command.h"
#include "tools/common/ToolMain.h"

using namespace tarvela::tool;

namespace {

std::string usage()
{
    std::string text = "Usage:\n";
    for (const Command& command : commands())
        text += "  tarvela-dbf " + command.name + ' ' + command.usage + '\n';
    return text;
}

int dispatch(std::vector<std::string> args)
{
    if (args.empty())
        throw UsageError("No command given");
    const auto found = std::ranges::find(commands(), args.front(), &Command::name);
    if (found == commands().end())
        throw UsageError("Unknown command: " + args.front());
    args.erase(args.begin());
    return found->run(std::move(args));
}

} // namespace

int main(int argc, char** argv)
{
    return toolMain(argc, argv, {"tarvela-dbf", usage(), kExitUnreadable}, dispatch);
}
