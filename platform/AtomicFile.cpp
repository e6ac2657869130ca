#include "platform/AtomicFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Error.h"
#include "platform/FileFaults.h"
#include "platform/RoundTrips.h"
#include "platform/Text.h"

namespace tarvela {

namespace {

constexpr std::size_t kBufferSize = 1 << 20;
constexpr std::string_view kMarker = ".new";  // leftovers are recognised by it
constexpr std::string_view kRandomPart = "XXXXXX";

bool writeAll(int fd, std::string_view bytes, std::uint64_t offset)
{
    while (!bytes.empty()) {
        if (injectedFailure(FileOperation::Write))
            return false;
        countRoundTrip(RoundTrip::Write);
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
        offset += static_cast<std::uint64_t>(n);
    }
    return true;
}

// A rename is durable only once the folder that holds the name is synced.
bool syncFolderOf(const std::string& path)
{
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty())
        folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    countRoundTrip(RoundTrip::Sync);
    // Some file systems (network shares among them) cannot sync a folder;
    // they commit the rename themselves.
    const bool synced = (!injectedFailure(FileOperation::Sync) && ::fsync(fd) == 0) || errno == EINVAL
                        || errno == ENOTSUP;
    ::close(fd);
    return synced;
}

// A new file takes the permissions of the one it replaces.
mode_t modeFor(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0644;
}

} // namespace

AtomicFile::AtomicFile(std::string path) : path_(std::move(path))
{
    temporaryPath_ = path_;
    temporaryPath_ += kMarker;
    temporaryPath_ += kRandomPart;
    fd_ = ::mkstemp(temporaryPath_.data());
    if (fd_ < 0)
        throwFailure(std::strerror(errno));
    buffer_.reserve(kBufferSize);
}

AtomicFile::~AtomicFile()
{
    if (!committed_)
        removeTemporary();
}

void AtomicFile::removeTemporary()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    ::unlink(temporaryPath_.c_str());
}

void AtomicFile::fail()
{
    std::string reason = std::strerror(errno != 0 ? errno : EIO);
    removeTemporary();
    throwFailure(std::move(reason));
}

void AtomicFile::throwFailure(std::string reason)
{
    failureReason_ = std::move(reason);
    throw WriteFailed(formatMessage("Nelze zapsat soubor %s", path_), failureReason_);
}

void AtomicFile::append(std::string_view bytes)
{
    if (fd_ < 0)
        fail();
    if (buffer_.size() + bytes.size() > kBufferSize)
        flush();
    if (bytes.size() >= kBufferSize) {
        const off_t end = ::lseek(fd_, 0, SEEK_END);
        if (end < 0 || !writeAll(fd_, bytes, static_cast<std::uint64_t>(end)))
            fail();
        return;
    }
    buffer_.append(bytes);
}

void AtomicFile::flush()
{
    if (fd_ < 0)
        fail();
    if (buffer_.empty())
        return;
    const off_t end = ::lseek(fd_, 0, SEEK_END);
    if (end < 0 || !writeAll(fd_, buffer_, static_cast<std::uint64_t>(end)))
        fail();
    buffer_.clear();
}

void AtomicFile::writeAt(std::uint64_t offset, std::string_view bytes)
{
    flush();
    if (!writeAll(fd_, bytes, offset))
        fail();
}

void AtomicFile::commit()
{
    flush();
    countRoundTrip(RoundTrip::Sync);
    if (::fchmod(fd_, modeFor(path_)) != 0 || injectedFailure(FileOperation::Sync) || ::fsync(fd_) != 0)
        fail();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || injectedFailure(FileOperation::Rename)
        || ::rename(temporaryPath_.c_str(), path_.c_str()) != 0)
        fail();
    committed_ = true;
    if (!syncFolderOf(path_))
        throwFailure(std::strerror(errno));
}

std::optional<std::string> replacedFileOf(std::string name)
{
    const auto endsWithMarker = [](const std::string& text, std::size_t randomPart) {
        const std::size_t tail = kMarker.size() + randomPart;
        if (text.size() <= tail || !equalIgnoringAsciiCase(text.substr(text.size() - tail, kMarker.size()), kMarker))
            return false;
        return std::all_of(text.end() - std::ptrdiff_t(randomPart), text.end(),
                           [](unsigned char c) { return std::isalnum(c) != 0; });
    };
    bool temporary = false;
    if (endsWithMarker(name, kRandomPart.size())) {
        name.resize(name.size() - kMarker.size() - kRandomPart.size());
        temporary = true;
    }
    while (endsWithMarker(name, 0)) {
        name.resize(name.size() - kMarker.size());
        temporary = true;
    }
    return temporary ? std::optional<std::string>(name) : std::nullopt;
}

} // namespace tarvela
