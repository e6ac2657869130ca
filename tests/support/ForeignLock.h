// Another program at work on a shared file, as the sibling system's
// workstations are: a real second process taking a plain POSIX byte-range
// lock (fcntl F_SETLK, write lock) at the protocol's offsets.
#pragma once

#include <cstdint>
#include <string>

#include "support/ChildProcess.h"

namespace tarvela::test {

// Holds the lock from construction until destruction.
class ForeignLock {
public:
    ForeignLock(const std::string& path, std::uint64_t offset, std::uint64_t length);
    // False when the second process could not take the lock.
    bool isHeld() const { return held_; }

private:
    ChildProcess holder_;
    bool held_ = false;
};

// Whether a second process trying the lock now is refused it.
bool isForeignLockRefused(const std::string& path, std::uint64_t offset, std::uint64_t length);

} // namespace tarvela::test
