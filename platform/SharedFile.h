// A table or index file opened the way the sibling system opens it: shared
// (others may read and write) or exclusive (nobody else may have it open).
// Linux has no share modes, so they are emulated with an open-file-description
// lock on byte 0x7FFFFFFF, which neither lock protocol uses: shared openers
// hold a read lock there, the exclusive opener a write lock. Only programs
// that take that lock are excluded; programs that do not cooperate are not.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileLock.h"

namespace tarvela {

enum class ShareMode { Shared, Exclusive };

// Which file an opening is of, whatever path it was opened by.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};
enum class OpenStatus { Opened, Missing, Denied };

class SharedFile {
public:
    SharedFile() = default;
    ~SharedFile();
    SharedFile(SharedFile&& other) noexcept;
    SharedFile& operator=(SharedFile&& other) noexcept;
    SharedFile(const SharedFile&) = delete;
    SharedFile& operator=(const SharedFile&) = delete;

    // Opens for reading and writing; a shared opening falls back to reading
    // only when writing is not permitted. An open file is closed first.
    OpenStatus open(const std::string& path, ShareMode mode);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    bool isWritable() const { return writable_; }
    const std::string& path() const { return path_; }
    const FileIdentity& identity() const { return identity_; }
    // For mapping the file; -1 when closed.
    int descriptor() const { return fd_; }

    std::optional<std::uint64_t> size() const;
    // Reads up to length bytes; fewer at the end of the file. False on an I/O error.
    bool readAt(std::uint64_t offset, std::size_t length, std::string& bytes) const;
    // One pwrite of all bytes; false when it failed or wrote only part.
    bool writeAt(std::uint64_t offset, std::string_view bytes);
    bool truncate(std::uint64_t length);

    bool tryLock(std::uint64_t offset, std::uint64_t length, LockType type = LockType::Write);
    void unlock(std::uint64_t offset, std::uint64_t length);

private:
    int fd_ = -1;
    bool writable_ = false;
    std::string path_;
    FileIdentity identity_;
};

} // namespace tarvela
