// A read-only shared mapping of the first page of an open file, so that a
// few header bytes (an index file's change counter) can be read on every
// operation without a system call. It is made only on local file systems,
// where a shared mapping shows other programs' writes at once; on a network
// share the mapped page could be stale, so callers read the file there.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/SharedFile.h"

namespace tarvela {

class MappedHeader {
public:
    MappedHeader() = default;
    ~MappedHeader();
    MappedHeader(const MappedHeader&) = delete;
    MappedHeader& operator=(const MappedHeader&) = delete;

    // False, with nothing mapped, on a file system that is not known to be
    // local or when mapping fails.
    bool map(const SharedFile& file);
    void unmap();
    bool isMapped() const { return address_ != nullptr; }

    // Copies bytes from the mapped page. False when the range lies outside the
    // page or the file has been cut short beneath the mapping.
    bool read(std::size_t offset, std::size_t size, unsigned char* into) const;

private:
    const unsigned char* address_ = nullptr;
    std::size_t length_ = 0;
};

} // namespace tarvela
