// The records of a table on a network share, read in blocks of 64 KB and
// kept for one read batch: a walk or a run of seeks over records that lie
// near each other then costs one read per block instead of one per record.
// While the reads move forward through the file, each reads further ahead,
// up to 1 MB at a time, so a pass over a large table takes few reads.
// A record read from a block is as fresh as the batch: read after it began.
// Every opening of the file in this program shares the file's blocks
// (keptRecordsOf), so a check that opens a table again reads it once; our
// own writes go into them, and the batch's end frees them all.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/SharedFile.h"

namespace tarvela {

class RecordBlocks {
public:
    static constexpr std::uint64_t kBlockSize = 64 * 1024;

    // The bytes [offset, offset + length) through the blocks; false when the
    // file is shorter or a read failed, so that the caller reads it directly.
    bool read(const SharedFile& file, std::uint64_t offset, std::uint64_t length, std::string& bytes);
    void patch(std::uint64_t offset, std::string_view bytes);
    // Bytes read from the start of block index on, kept as that block.
    void keep(std::uint64_t index, std::string bytes);
    // The blocks that hold these bytes, so that the next read sees the file.
    void forget(std::uint64_t offset, std::uint64_t length);
    void forgetAll();

private:
    const std::string* block(const SharedFile& file, std::uint64_t index, std::uint64_t end);
    bool readAhead(const SharedFile& file, std::uint64_t index);

    std::unordered_map<std::uint64_t, std::string> blocks_;
    std::deque<std::uint64_t> keptOrder_;  // oldest first, may name blocks gone since
    std::uint64_t bytesKept_ = 0;
    std::uint64_t lastRead_ = 0;     // first block of the last read
    std::uint64_t aheadBlocks_ = 1;  // blocks the next forward read takes
};

// The blocks of this file for the current batch; null outside a batch.
std::shared_ptr<RecordBlocks> keptRecordsOf(const FileIdentity& file);

} // namespace tarvela
