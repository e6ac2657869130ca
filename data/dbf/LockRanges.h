// Where the two lock protocols put their byte-range locks in a DBF file. The
// offsets are a contract with the sibling system's programs: change none.
#pragma once

#include <cstdint>

#include "data/dbf/LockProtocol.h"

namespace tarvela {

struct ByteRange {
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};

struct RecordShape {
    std::uint16_t headerLength = 0;
    std::uint16_t recordLength = 0;
};

ByteRange recordLockRange(LockProtocol protocol, std::uint32_t recordNumber, const RecordShape& shape,
                          bool indexAttached);
ByteRange tableLockRange(LockProtocol protocol);
ByteRange headerLockRange(LockProtocol protocol);

} // namespace tarvela
