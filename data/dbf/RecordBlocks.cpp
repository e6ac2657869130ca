#include "data/dbf/RecordBlocks.h"

#include <algorithm>
#include <cstring>

#include "platform/ReadBatch.h"


namespace tarvela {

namespace {
constexpr std::uint64_t kMaxAheadBlocks = 16;
// Enough for the stock journal of a large company, so that a run that
// passes over it twice (invoices, then credit notes) reads it once.
constexpr std::uint64_t kMaxBytesKept = 128 * 1024 * 1024;
}

void RecordBlocks::forgetAll()
{
    std::unordered_map<std::uint64_t, std::string>().swap(blocks_);
    std::deque<std::uint64_t>().swap(keptOrder_);
    bytesKept_ = 0;
}

void RecordBlocks::forget(std::uint64_t offset, std::uint64_t length)
{
    for (std::uint64_t index = offset / kBlockSize; index <= (offset + length - 1) / kBlockSize; ++index)
        if (const auto found = blocks_.find(index); found != blocks_.end()) {
            bytesKept_ -= found->second.size();
            blocks_.erase(found);
        }
}

// The block as far as the file goes; read again when it ends before end,
// since others may have appended since.
const std::string* RecordBlocks::block(const SharedFile& file, std::uint64_t index, std::uint64_t end)
{
    auto found = blocks_.find(index);
    if (found == blocks_.end() || index * kBlockSize + found->second.size() < end) {
        if (!readAhead(file, index))
            return nullptr;
        found = blocks_.find(index);
    }
    if (found == blocks_.end() || index * kBlockSize + found->second.size() < end)
        return nullptr;
    return &found->second;
}

// A read a little past the previous one doubles how far the next reads
// ahead, so sparse reads that move forward still become a few long ones;
// any other starts again with one block.
bool RecordBlocks::readAhead(const SharedFile& file, std::uint64_t index)
{
    const bool forward = index > lastRead_ && index - lastRead_ <= 2 * aheadBlocks_ + kMaxAheadBlocks;
    aheadBlocks_ = forward ? std::min(aheadBlocks_ * 2, kMaxAheadBlocks) : 1;
    lastRead_ = index;
    std::string bytes;
    if (!file.readAt(index * kBlockSize, aheadBlocks_ * kBlockSize, bytes))
        return false;
    for (std::uint64_t at = 0; at < bytes.size(); at += kBlockSize)
        keep(index + at / kBlockSize, bytes.substr(at, kBlockSize));
    return true;
}

void RecordBlocks::keep(std::uint64_t index, std::string bytes)
{
    if (const auto found = blocks_.find(index); found != blocks_.end()) {
        bytesKept_ -= found->second.size();
        blocks_.erase(found);
    }
    // The oldest go first: a pass that moves forward needs them least.
    while (bytesKept_ + bytes.size() > kMaxBytesKept && !keptOrder_.empty()) {
        if (const auto oldest = blocks_.find(keptOrder_.front()); oldest != blocks_.end()) {
            bytesKept_ -= oldest->second.size();
            blocks_.erase(oldest);
        }
        keptOrder_.pop_front();
    }
    bytesKept_ += bytes.size();
    keptOrder_.push_back(index);
    blocks_.emplace(index, std::move(bytes));
}

bool RecordBlocks::read(const SharedFile& file, std::uint64_t offset, std::uint64_t length, std::string& bytes)
{
    if (length == 0)
        return false;
    bytes.resize(length);
    const std::uint64_t end = offset + length;
    for (std::uint64_t index = offset / kBlockSize; index * kBlockSize < end; ++index) {
        const std::uint64_t start = index * kBlockSize;
        const std::uint64_t from = std::max(offset, start);
        const std::uint64_t to = std::min(end, start + kBlockSize);
        const std::string* found = block(file, index, to);
        if (!found)
            return false;
        std::memcpy(bytes.data() + (from - offset), found->data() + (from - start), to - from);
    }
    return true;
}

void RecordBlocks::patch(std::uint64_t offset, std::string_view bytes)
{
    const std::uint64_t end = offset + bytes.size();
    for (std::uint64_t index = offset / kBlockSize; index * kBlockSize < end; ++index) {
        const auto found = blocks_.find(index);
        if (found == blocks_.end())
            continue;
        std::string& block = found->second;
        const std::uint64_t start = index * kBlockSize;
        const std::uint64_t from = std::max(offset, start);
        const std::uint64_t to = std::min(end, start + kBlockSize);
        if (from > start + block.size())
            continue;
        if (to > start + block.size()) {
            bytesKept_ += to - start - block.size();
            block.resize(to - start);
        }
        std::memcpy(block.data() + (from - start), bytes.data() + (from - offset), to - from);
    }
}

namespace {

// The files read in this thread's current batch; the batch's end empties it.
class KeptRecords : public BatchKeeping {
public:
    std::shared_ptr<RecordBlocks> of(const FileIdentity& file)
    {
        if (epoch_ != ReadBatch::epoch()) {
            files_.clear();
            epoch_ = ReadBatch::epoch();
        }
        if (files_.empty())
            keepForBatch(*this);
        auto& blocks = files_[file];
        if (!blocks)
            blocks = std::make_shared<RecordBlocks>();
        return blocks;
    }
    void releaseKept() override { files_.clear(); }
    bool locks(const FileIdentity&) const override { return false; }

private:
    struct Hash {
        std::size_t operator()(const FileIdentity& file) const { return std::hash<std::uint64_t>()(file.inode ^ (file.device << 32)); }
    };
    std::uint64_t epoch_ = 0;
    std::unordered_map<FileIdentity, std::shared_ptr<RecordBlocks>, Hash> files_;
};

} // namespace

std::shared_ptr<RecordBlocks> keptRecordsOf(const FileIdentity& file)
{
    if (!ReadBatch::isActive())
        return nullptr;
    thread_local KeptRecords kept;
    return kept.of(file);
}

} // namespace tarvela
