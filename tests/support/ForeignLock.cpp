#include "support/ForeignLock.h"

#include <fcntl.h>
#include <unistd.h>

namespace tarvela::test {

namespace {

bool tryPosixLock(int fd, std::uint64_t offset, std::uint64_t length)
{
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = static_cast<off_t>(offset);
    lock.l_len = static_cast<off_t>(length);
    return ::fcntl(fd, F_SETLK, &lock) == 0;
}

} // namespace

ForeignLock::ForeignLock(const std::string& path, std::uint64_t offset, std::uint64_t length)
    : holder_([=](Channel& channel) {
          const int fd = ::open(path.c_str(), O_RDWR);
          if (fd < 0 || !tryPosixLock(fd, offset, length))
              return 1;
          channel.send('h');
          channel.receive();
          return 0;
      })
{
    held_ = holder_.channel().receive() == 'h';
}

bool isForeignLockRefused(const std::string& path, std::uint64_t offset, std::uint64_t length)
{
    ChildProcess trier([=](Channel&) {
        const int fd = ::open(path.c_str(), O_RDWR);
        if (fd < 0)
            return 2;
        return tryPosixLock(fd, offset, length) ? 0 : 1;
    });
    return trier.wait() == 1;
}

} // namespace tarvela::test
