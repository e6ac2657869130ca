#include "platform/Error.h"

namespace tarvela {

std::string formatMessage(const std::string& pattern, const std::string& argument)
{
    std::string text = pattern;
    const auto at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, argument);
    return text;
}

} // namespace tarvela
