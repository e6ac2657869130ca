// Byte-range locks on an open file, taken with open-file-description locks
// (F_OFD_SETLK): like the sibling system's locks they belong to the open file,
// not to the process. Tries never wait; whoever locks a range unlocks it.
#pragma once

#include <cstdint>

namespace tarvela {

enum class LockType { Read, Write };

// False when another open file holds a conflicting lock (or locking fails).
bool tryLockRange(int fd, std::uint64_t offset, std::uint64_t length, LockType type);
void unlockRange(int fd, std::uint64_t offset, std::uint64_t length);

} // namespace tarvela
