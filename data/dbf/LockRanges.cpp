#include "data/dbf/LockRanges.h"

namespace tarvela {

namespace {
constexpr std::uint64_t clipperBase = 1'000'000'000;
constexpr std::uint64_t defaultBase = 0x40000000;
constexpr std::uint64_t defaultTop = 0x7FFFFFFE;
}

ByteRange recordLockRange(LockProtocol protocol, std::uint32_t recordNumber, const RecordShape& shape,
                          bool indexAttached)
{
    if (protocol == LockProtocol::Clipper)
        return {clipperBase + recordNumber, 1};
    if (indexAttached)
        return {defaultTop - recordNumber, 1};
    return {defaultBase + shape.headerLength + std::uint64_t(recordNumber - 1) * shape.recordLength, 1};
}

ByteRange tableLockRange(LockProtocol protocol)
{
    return protocol == LockProtocol::Clipper ? ByteRange{clipperBase, clipperBase}
                                             : ByteRange{defaultBase, 0x3FFFFFFF};
}

ByteRange headerLockRange(LockProtocol protocol)
{
    return protocol == LockProtocol::Clipper ? ByteRange{clipperBase, 1} : ByteRange{defaultTop, 1};
}

} // namespace tarvela
