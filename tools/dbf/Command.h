// The commands of tarvela-dbf. Each command lives in its own file and
// registers itself with a static CommandRegistration; main() dispatches on
// the first argument. Commands print to standard output, errors to standard
// error, and return the process exit code.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tools/common/ToolMain.h"

namespace tarvela::tool {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;      // the command ran and the answer is "no"
constexpr int kExitUnreadable = 2;  // bad arguments or a file that cannot be read

struct Command {
    std::string name;
    std::string usage;  // arguments after the command name
    std::function<int(std::vector<std::string> args)> run;
};

const std::vector<Command>& commands();

struct CommandRegistration {
    explicit CommandRegistration(Command command);
};

// Removes "--name VALUE" from args; nullopt when absent. Error when VALUE is missing.
std::optional<std::string> takeOption(std::vector<std::string>& args, const std::string& name);
// Removes "--name" from args; whether it was there.
bool takeFlag(std::vector<std::string>& args, const std::string& name);
// Error unless exactly `count` arguments remain and none of them is an option.
void expectArguments(const std::vector<std::string>& args, std::size_t count, const std::string& command);
// Removes "--program-dir DIR" from args; the folder of Merkan.ini, ending in '/'
// (without the option: TARVELA_HOME or the executable's folder).
std::string takeProgramDirectory(std::vector<std::string>& args);

} // namespace tarvela::tool
