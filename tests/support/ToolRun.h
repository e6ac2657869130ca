// Runs one of the command-line tools of this build as a real process and
// captures what it printed and its exit code.
#pragma once

#include <string>

#include "support/TempDir.h"

namespace tarvela::test {

struct ToolRun {
    int exitCode = -1;  // -1 when the tool did not exit normally
    std::string out;
    std::string err;
};

// command is a whole shell command line; standard error goes through a file in dir.
ToolRun runCommand(const std::string& command, const TempDir& dir);
// tool is the executable's name in the build's tools folder, e.g. "tarvela-dbf".
ToolRun runTool(const std::string& tool, const std::string& arguments, const TempDir& dir);

} // namespace tarvela::test
