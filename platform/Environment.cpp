#include "platform/Environment.h"

#include <cstdlib>
#include <unistd.h>

namespace tarvela {

std::string environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool isStandardErrorTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

} // namespace tarvela
