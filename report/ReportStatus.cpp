#include "report/ReportStatus.h"

namespace tarvela {

std::string pageStatusText(const std::string& pattern, int pageNumber)
{
    std::string text = pattern;
    const auto at = text.find("%p");
    if (at != std::string::npos)
        text.replace(at, 2, std::to_string(pageNumber));
    return text;
}

} // namespace tarvela
