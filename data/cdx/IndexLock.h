// The index byte of a compound index file under the table's lock protocol
// (Clipper: byte 1 000 000 000; default: 0x7FFFFFFD), taken with up to 100
// tries 50 ms apart. Whoever takes it releases it; reads and writes of any
// tag of the file happen only while it is held.
#pragma once

#include "data/dbf/RecordSource.h"
#include "platform/SharedFile.h"

namespace tarvela::cdx {

std::uint64_t indexLockOffset(LockProtocol protocol);
// False when another program kept the byte locked through every try.
bool lockIndex(SharedFile& file, LockProtocol protocol);
void unlockIndex(SharedFile& file, LockProtocol protocol);

} // namespace tarvela::cdx
