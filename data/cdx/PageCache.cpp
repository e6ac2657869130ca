#include "data/cdx/PageCache.h"

#include <algorithm>
#include <cstring>

#include "data/cdx/InteriorNode.h"

namespace tarvela::cdx {

namespace {
// Bounds the memory of a long walk over a large tag to a few megabytes,
// whatever the size of the file; a walk or seek needs far fewer pages.
constexpr std::size_t kMaxCachedNodes = 1024;
constexpr std::size_t kCounterOffset = 8;
// 64 pages a read on a share; at most 16 MB of them kept.
constexpr std::size_t kBlockSize = 64 * kPageSize;
constexpr std::size_t kMaxCachedBlocks = 512;
}

PageCache::PageCache(SharedFile& file) : file_(file) {}

bool PageCache::validate()
{
    if (!mappingTried_) {
        headerPage_.map(file_, kHeaderSize);
        mappingTried_ = true;
    }
    const std::array<unsigned char, 4> counter = readCounter();
    if (counter == counter_ && length_ != 0)
        return true;
    counter_ = counter;
    drop();
    refreshLength();
    if (length_ % kPageSize != 0 || length_ < kHeaderSize + kPageSize)
        throw CorruptIndex("file length " + std::to_string(length_) + " is not a whole number of pages");
    return false;
}

bool PageCache::isUnchanged()
{
    return length_ != 0 && mappingTried_ && readCounter() == counter_;
}

std::array<unsigned char, 4> PageCache::readCounter()
{
    std::array<unsigned char, 4> counter{};
    if (!headerPage_.read(kCounterOffset, counter.size(), counter.data()))
        read(kCounterOffset, counter.data(), counter.size());
    return counter;
}

void PageCache::refreshLength()
{
    const auto size = file_.size();
    if (!size)
        throw Error("Cannot read " + file_.path());
    length_ = std::max(*size, heldEnd());
}

void PageCache::drop()
{
    forgetNodes();
    blocks_.clear();
    cachedBlocks_ = 0;
    ++generation_;
}

void PageCache::forgetNodes()
{
    nodes_.clear();
    cachedNodes_ = 0;
}

// Pages are found by their number, so a lookup on the path of a seek is one
// step into a vector instead of a hash.
std::shared_ptr<const Node>& PageCache::slot(std::uint32_t offset)
{
    const std::size_t page = offset / kPageSize;
    if (page >= nodes_.size())
        nodes_.resize(page + 1);
    return nodes_[page];
}

// A writer that does not count its changes may have added pages since the
// length was last looked at, so the length is looked at again before a
// pointer past it counts as damage.
void PageCache::checkPlace(std::uint64_t offset, std::uint64_t size, std::uint64_t lowest)
{
    if (offset + size > length_)
        refreshLength();
    if (offset % kPageSize != 0 || offset < lowest || offset + size > length_)
        throw CorruptIndex("pointer " + hexOffset(offset) + " outside the file");
}

void PageCache::read(std::uint64_t offset, unsigned char* into, std::size_t size)
{
    writeHeldOver(offset, size);
    std::string bytes;
    if (!file_.readAt(offset, size, bytes))
        throw Error("Cannot read " + file_.path());
    if (bytes.size() != size)
        throw CorruptIndex("file ends inside the page at " + hexOffset(offset));
    std::memcpy(into, bytes.data(), size);
}

void PageCache::readPart(std::uint64_t offset, unsigned char* into, std::size_t size)
{
    const std::size_t index = offset / kBlockSize;
    if (headerPage_.isMapped() || (offset + size - 1) / kBlockSize != index) {
        read(offset, into, size);
        return;
    }
    const std::string& bytes = block(index, offset + size);
    const std::size_t within = offset - index * kBlockSize;
    if (bytes.size() < within + size)
        throw CorruptIndex("file ends inside the page at " + hexOffset(offset));
    std::memcpy(into, bytes.data() + within, size);
}

// The block as far as the file goes; read again when it ends before end,
// since the file may have grown since.
const std::string& PageCache::block(std::size_t index, std::uint64_t end)
{
    if (index >= blocks_.size())
        blocks_.resize(index + 1);
    std::string& bytes = blocks_[index];
    if (index * kBlockSize + bytes.size() >= end)
        return bytes;
    if (bytes.empty() && cachedBlocks_ >= kMaxCachedBlocks) {
        for (auto& kept : blocks_)
            kept.clear();
        cachedBlocks_ = 0;
    }
    if (bytes.empty())
        ++cachedBlocks_;
    writeHeldOver(index * kBlockSize, kBlockSize);
    if (!file_.readAt(index * kBlockSize, kBlockSize, bytes))
        throw Error("Cannot read " + file_.path());
    return bytes;
}

// Our own writes go into the blocks read before them, so no block is stale.
void PageCache::patchBlocks(std::uint64_t offset, std::string_view bytes)
{
    const std::uint64_t end = offset + bytes.size();
    for (std::size_t index = offset / kBlockSize; index < blocks_.size() && index * kBlockSize < end; ++index) {
        std::string& block = blocks_[index];
        const std::uint64_t start = index * kBlockSize;
        const std::uint64_t from = std::max(offset, start);
        const std::uint64_t to = std::min(end, start + kBlockSize);
        if (block.empty() || from > start + block.size())
            continue;
        if (to > start + block.size())
            block.resize(to - start);
        std::memcpy(block.data() + (from - start), bytes.data() + (from - offset), to - from);
    }
}

HeaderBytes PageCache::readHeader(std::uint32_t offset)
{
    checkPlace(offset, kHeaderSize, 0);
    HeaderBytes bytes{};
    readPart(offset, bytes.data(), bytes.size());
    return bytes;
}

const std::shared_ptr<const Node>& PageCache::node(std::uint32_t offset, const KeyFormat& format)
{
    if (offset % kPageSize == 0 && offset / kPageSize < nodes_.size() && nodes_[offset / kPageSize])
        return nodes_[offset / kPageSize];
    checkPlace(offset, kPageSize, kHeaderSize);
    PageBytes page{};
    readPart(offset, page.data(), page.size());
    auto decoded = std::make_shared<const Node>(decodeNode(page, offset, format));
    if (cachedNodes_ >= kMaxCachedNodes)
        forgetNodes();
    ++cachedNodes_;
    return slot(offset) = std::move(decoded);
}

void PageCache::writeToFile(std::uint64_t offset, std::string_view bytes)
{
    if (!file_.writeAt(offset, bytes))
        throw Error("Cannot write " + file_.path());
}

void PageCache::writeRaw(std::uint64_t offset, std::string_view bytes)
{
    if (holding_)
        hold(offset, bytes);
    else
        writeToFile(offset, bytes);
    patchBlocks(offset, bytes);
    length_ = std::max<std::uint64_t>(length_, offset + bytes.size());
    ++generation_;
}

void PageCache::writeHeader(std::uint32_t offset, const HeaderBytes& bytes)
{
    writeRaw(offset, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void PageCache::writeRoot(std::uint32_t headerOffset, std::uint32_t root)
{
    unsigned char bytes[4];
    writeLe(bytes, root, 4);
    writeRaw(headerOffset, std::string_view(reinterpret_cast<const char*>(bytes), 4));
}

void PageCache::writeNode(const Node& node, const KeyFormat& format)
{
    const PageBytes page = encodeNode(node, format);
    writeRaw(node.offset, std::string_view(reinterpret_cast<const char*>(page.data()), page.size()));
    auto& cached = slot(node.offset);
    if (!cached)
        ++cachedNodes_;
    cached = std::make_shared<const Node>(node);
}

std::uint32_t PageCache::allocate(std::uint32_t pages)
{
    refreshLength();
    const auto offset = static_cast<std::uint32_t>(length_);
    if (length_ + std::uint64_t(pages) * kPageSize > 0xFFFFFE00u)
        throw Error("Index file " + file_.path() + " is too large");
    return offset;
}

void PageCache::countChange()
{
    writeHeld();
    for (int i = 3; i >= 0; --i)
        if (++counter_[i] != 0)
            break;
    // Past what is held: the counter goes last.
    const std::string_view counter(reinterpret_cast<const char*>(counter_.data()), counter_.size());
    writeToFile(kCounterOffset, counter);
    patchBlocks(kCounterOffset, counter);
    ++generation_;
}

void PageCache::holdWrites()
{
    holding_ = true;
}

void PageCache::writeHeld()
{
    while (!held_.empty()) {
        const auto first = held_.begin();
        writeToFile(first->first, first->second);
        held_.erase(first);
    }
}

bool PageCache::dropHeld()
{
    holding_ = false;
    if (held_.empty())
        return false;
    held_.clear();
    drop();
    length_ = 0;  // validated afresh before the next use
    return true;
}

// Merges the bytes with the held writes they overlap or touch.
void PageCache::hold(std::uint64_t offset, std::string_view bytes)
{
    std::uint64_t start = offset;
    std::uint64_t end = offset + bytes.size();
    auto first = held_.upper_bound(offset);
    if (first != held_.begin() && std::prev(first)->first + std::prev(first)->second.size() >= offset)
        --first;
    auto last = first;
    for (; last != held_.end() && last->first <= end; ++last) {
        start = std::min(start, last->first);
        end = std::max<std::uint64_t>(end, last->first + last->second.size());
    }
    std::string merged(end - start, '\0');
    for (auto it = first; it != last; ++it)
        merged.replace(it->first - start, it->second.size(), it->second);
    merged.replace(offset - start, bytes.size(), bytes);
    held_.erase(first, last);
    held_.emplace(start, std::move(merged));
}

void PageCache::writeHeldOver(std::uint64_t offset, std::size_t size)
{
    const auto after = held_.lower_bound(offset + size);
    if (after == held_.begin())
        return;
    const auto before = std::prev(after);
    if (before->first + before->second.size() > offset)
        writeHeld();
}

std::uint64_t PageCache::heldEnd() const
{
    return held_.empty() ? 0 : held_.rbegin()->first + held_.rbegin()->second.size();
}

} // namespace tarvela::cdx
