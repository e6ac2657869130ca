#include "data/dbf/LockRanges.h"

namespace tarvela {

namespace {
constexpr std::uint64_t kClipperBase = 1'000'000'000;
constexpr std::uint64_t kDefaultBase = 0x40000000;
constexpr std::uint64_t kDefaultTop = 0x7FFFFFFE;
}

ByteRange recordLockRange(LockProtocol protocol, std::uint32_t recordNumber, const RecordShape& shape,
                          bool indexAttached)
{
    if (protocol == LockProtocol::Clipper)
        return {kClipperBase + recordNumber, 1};
    if (indexAttached)
        return {kDefaultTop - recordNumber, 1};
    return {kDefaultBase + shape.headerLength + std::uint64_t(recordNumber - 1) * shape.recordLength, 1};
}

ByteRange tableLockRange(LockProtocol protocol)
{
    return protocol == LockProtocol::Clipper ? ByteRange{kClipperBase, kClipperBase}
                                             : ByteRange{kDefaultBase, 0x3FFFFFFF};
}

ByteRange headerLockRange(LockProtocol protocol)
{
    return protocol == LockProtocol::Clipper ? ByteRange{kClipperBase, 1} : ByteRange{kDefaultTop, 1};
}

} // namespace tarvela
