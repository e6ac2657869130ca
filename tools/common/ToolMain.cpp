#include "tools/common/ToolMain.h"

#include <algorithm>
#include <iostream>

#include "platform/RoundTrips.h"

namespace tarvela::tool {

namespace {

bool has(const std::vector<std::string>& arguments, const char* option)
{
    return std::ranges::find(arguments, option) != arguments.end();
}

} // namespace

int toolMain(int argc, char** argv, const ToolDescription& tool,
             const std::function<int(std::vector<std::string> arguments)>& body)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (has(arguments, "--help")) {
        std::cout << tool.usage;
        return 0;
    }
    if (has(arguments, "--version")) {
        std::cout << tool.name << ' ' << TARVELA_VERSION << '\n';
        return 0;
    }
    applyRoundTripEnvironment();
    try {
        return body(std::move(arguments));
    } catch (const UsageError& error) {
        std::cerr << error.what() << '\n' << tool.usage;
        return kExitUsage;
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return tool.failureCode;
    }
}

} // namespace tarvela::tool
