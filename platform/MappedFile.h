// A read-only shared mapping of the start of an open file, so that bytes read
// on every operation (an index file's change counter, a table's records) cost
// no system call. It is made only on local file systems, where a shared
// mapping shows other programs' writes at once; on a network share mapped
// pages could be stale, so callers read the file there. TARVELA_UNMAPPED in
// the environment makes every file system count as such a share, so that
// benchmarks and diagnostics see the path a share takes on a local disk.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/SharedFile.h"

namespace tarvela {

class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // Maps the first length bytes, which may reach past the end of the file
    // so that it can grow into them. False, with nothing mapped, on a file
    // system that is not known to be local or when mapping fails.
    bool map(const SharedFile& file, std::size_t length);
    // Whether map() could map this file: false on a share.
    static bool canMap(const SharedFile& file);
    void unmap();
    bool isMapped() const { return address_ != nullptr; }
    std::size_t length() const { return length_; }

    // Copies mapped bytes. False when the range lies outside the mapping or
    // reaches a page wholly past the end of the file (it may have been cut
    // short beneath the mapping); the rest of a file's last page reads as zeros.
    bool read(std::size_t offset, std::size_t size, unsigned char* into) const;

private:
    const unsigned char* address_ = nullptr;
    std::size_t length_ = 0;
};

} // namespace tarvela
