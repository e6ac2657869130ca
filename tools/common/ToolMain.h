// The command-line conventions the tools share: "--help" prints the usage to
// standard output and exits 0, "--version" prints the name and version, a
// UsageError prints its message and the usage to standard error and exits 2,
// and any other failure prints its message (which names the file and the
// reason) and exits with the tool's failure code.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Error.h"

namespace tarvela::tool {

constexpr int kExitUsage = 2;

// A mistake in the command line, as opposed to a failure of the work.
class UsageError : public Error {
public:
    using Error::Error;
};

struct ToolDescription {
    std::string name;   // "tarvela-dbf"
    std::string usage;  // the whole usage, each line ending in '\n'
    int failureCode = 1;
};

// Runs body with the arguments after the program name, under the conventions above.
int toolMain(int argc, char** argv, const ToolDescription& tool,
             const std::function<int(std::vector<std::string> arguments)>& body);

} // namespace tarvela::tool
