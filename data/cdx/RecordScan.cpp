#include "data/cdx/RecordScan.h"

#include <algorithm>

namespace tarvela::cdx {

namespace {
constexpr std::uint32_t kRecordsPerBlock = 4096;
}

void forEachRecord(RecordSource& table, std::uint32_t count, const RecordVisit& visit)
{
    std::string block;
    std::string record;
    for (std::uint32_t first = 1; first <= count; first += kRecordsPerBlock) {
        const std::uint32_t inBlock = std::min(kRecordsPerBlock, count - first + 1);
        table.readRawRecords(first, inBlock, block);
        const std::size_t length = block.size() / inBlock;
        for (std::uint32_t i = 0; i < inBlock; ++i) {
            record.assign(block, i * length, length);
            visit(first + i, record);
        }
    }
}

} // namespace tarvela::cdx
