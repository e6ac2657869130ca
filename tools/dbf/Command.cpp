#include "Command.h"

#include <algorithm>

#include "platform/ProgramDirectory.h"

namespace tarvela::tool {

namespace {

std::vector<Command>& registry()
{
    static std::vector<Command> all;
    return all;
}

} // namespace

const std::vector<Command>& commands()
{
    return registry();
}

CommandRegistration::CommandRegistration(Command command)
{
    registry().push_back(std::move(command));
}

std::optional<std::string> takeOption(std::vector<std::string>& args, const std::string& name)
{
    const auto found = std::ranges::find(args, name);
    if (found == args.end())
        return std::nullopt;
    if (found + 1 == args.end())
        throw UsageError("Option " + name + " needs a value");
    std::string value = *(found + 1);
    args.erase(found, found + 2);
    return value;
}

bool takeFlag(std::vector<std::string>& args, const std::string& name)
{
    const auto found = std::ranges::find(args, name);
    if (found == args.end())
        return false;
    args.erase(found);
    return true;
}

void expectArguments(const std::vector<std::string>& args, std::size_t count, const std::string& command)
{
    const bool hasOption = std::ranges::any_of(args, [](const std::string& a) { return a.starts_with("--"); });
    if (args.size() != count || hasOption)
        throw UsageError("Wrong arguments for " + command);
}

std::string takeProgramDirectory(std::vector<std::string>& args)
{
    const auto option = takeOption(args, "--program-dir");
    return option ? namedProgramDirectory(*option) : findProgramDirectory("tarvela-dbf");
}

} // namespace tarvela::tool
