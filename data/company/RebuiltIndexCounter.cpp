#include "data/company/RebuiltIndexCounter.h"

#include <cstdint>

#include "data/cdx/TagDirectory.h"
#include "platform/SharedFile.h"

namespace tarvela {

namespace {

constexpr std::size_t kCounterOffset = 8;
constexpr std::size_t kCounterSize = 4;

std::uint32_t counterOf(const std::string& path)
{
    SharedFile file;
    std::string bytes;
    if (file.open(path, ShareMode::Shared) != OpenStatus::Opened || !file.readAt(kCounterOffset, kCounterSize, bytes)
        || bytes.size() != kCounterSize)
        return 0;
    std::uint32_t counter = 0;
    for (const char byte : bytes)
        counter = counter << 8 | static_cast<unsigned char>(byte);
    return counter;
}

} // namespace

std::string emptyIndexFileReplacing(const std::string& replacedPath)
{
    std::string bytes = cdx::emptyIndexFile();
    std::uint32_t counter = counterOf(replacedPath) + 1;
    for (std::size_t i = kCounterSize; i-- > 0; counter >>= 8)
        bytes[kCounterOffset + i] = static_cast<char>(counter & 0xFF);
    return bytes;
}

} // namespace tarvela
