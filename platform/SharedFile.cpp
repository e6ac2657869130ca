#include "platform/SharedFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/FileFaults.h"
#include "platform/RoundTrips.h"

namespace tarvela {

namespace {
constexpr std::uint64_t kShareModeByte = 0x7FFFFFFF;
}

SharedFile::~SharedFile()
{
    close();
}

SharedFile::SharedFile(SharedFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), writable_(other.writable_), path_(std::move(other.path_)),
      identity_(other.identity_)
{
}

SharedFile& SharedFile::operator=(SharedFile&& other) noexcept
{
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        writable_ = other.writable_;
        path_ = std::move(other.path_);
        identity_ = other.identity_;
    }
    return *this;
}

OpenStatus SharedFile::open(const std::string& path, ShareMode mode)
{
    close();
    int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    bool writable = fd >= 0;
    if (fd < 0 && mode == ShareMode::Shared && (errno == EACCES || errno == EROFS || errno == EPERM))
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? OpenStatus::Missing : OpenStatus::Denied;
    struct stat info {};
    const LockType type = mode == ShareMode::Exclusive ? LockType::Write : LockType::Read;
    if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode) || !tryLockRange(fd, kShareModeByte, 1, type)) {
        ::close(fd);
        return OpenStatus::Denied;
    }
    fd_ = fd;
    writable_ = writable;
    path_ = path;
    identity_ = {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
    return OpenStatus::Opened;
}

void SharedFile::close()
{
    if (fd_ >= 0)
        ::close(fd_);  // releases every lock of this open file
    fd_ = -1;
    writable_ = false;
}

std::optional<std::uint64_t> SharedFile::size() const
{
    struct stat info {};
    if (fd_ < 0 || fstat(fd_, &info) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(info.st_size);
}

bool SharedFile::readAt(std::uint64_t offset, std::size_t length, std::string& bytes) const
{
    bytes.resize(length);
    std::size_t done = 0;
    while (done < length) {
        const ssize_t got = pread(fd_, bytes.data() + done, length - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            bytes.clear();
            return false;
        }
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    countRoundTrip(RoundTrip::Read, done);
    return true;
}

bool SharedFile::writeAt(std::uint64_t offset, std::string_view bytes)
{
    if (injectedFailure(FileOperation::Write))
        return false;
    countRoundTrip(RoundTrip::Write);
    ssize_t written;
    do
        written = pwrite(fd_, bytes.data(), bytes.size(), static_cast<off_t>(offset));
    while (written < 0 && errno == EINTR);
    return written == static_cast<ssize_t>(bytes.size());
}

bool SharedFile::truncate(std::uint64_t length)
{
    countRoundTrip(RoundTrip::Write);
    return !injectedFailure(FileOperation::Write) && ftruncate(fd_, static_cast<off_t>(length)) == 0;
}

bool SharedFile::tryLock(std::uint64_t offset, std::uint64_t length, LockType type)
{
    return !injectedFailure(FileOperation::Lock) && tryLockRange(fd_, offset, length, type);
}

void SharedFile::unlock(std::uint64_t offset, std::uint64_t length)
{
    unlockRange(fd_, offset, length);
}

} // namespace tarvela
