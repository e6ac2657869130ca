#include "platform/FileLock.h"

#include <fcntl.h>

#include "platform/RoundTrips.h"

namespace tarvela {

namespace {

bool setLock(int fd, std::uint64_t offset, std::uint64_t length, short type)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = static_cast<off_t>(offset);
    lock.l_len = static_cast<off_t>(length);
    lock.l_pid = 0;  // required for OFD locks
    return fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

} // namespace

bool tryLockRange(int fd, std::uint64_t offset, std::uint64_t length, LockType type)
{
    countRoundTrip(RoundTrip::Lock);
    return setLock(fd, offset, length, type == LockType::Read ? F_RDLCK : F_WRLCK);
}

void unlockRange(int fd, std::uint64_t offset, std::uint64_t length)
{
    countRoundTrip(RoundTrip::Unlock);
    setLock(fd, offset, length, F_UNLCK);
}

} // namespace tarvela
