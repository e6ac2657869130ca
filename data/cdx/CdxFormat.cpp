#include "data/cdx/CdxFormat.h"

#include <cstdio>

namespace tarvela::cdx {

std::string hexOffset(std::uint64_t offset)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(offset));
    return text;
}

} // namespace tarvela::cdx
