#include "platform/Environment.h"

#include <cstdlib>

namespace tarvela {

std::string environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace tarvela
