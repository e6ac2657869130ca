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
    length_ = *size;
}

void PageCache::drop()
{
    forgetNodes();
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
    std::string bytes;
    if (!file_.readAt(offset, size, bytes))
        throw Error("Cannot read " + file_.path());
    if (bytes.size() != size)
        throw CorruptIndex("file ends inside the page at " + hexOffset(offset));
    std::memcpy(into, bytes.data(), size);
}

HeaderBytes PageCache::readHeader(std::uint32_t offset)
{
    checkPlace(offset, kHeaderSize, 0);
    HeaderBytes bytes{};
    read(offset, bytes.data(), bytes.size());
    return bytes;
}

const std::shared_ptr<const Node>& PageCache::node(std::uint32_t offset, const KeyFormat& format)
{
    if (offset % kPageSize == 0 && offset / kPageSize < nodes_.size() && nodes_[offset / kPageSize])
        return nodes_[offset / kPageSize];
    checkPlace(offset, kPageSize, kHeaderSize);
    PageBytes page{};
    read(offset, page.data(), page.size());
    auto decoded = std::make_shared<const Node>(decodeNode(page, offset, format));
    if (cachedNodes_ >= kMaxCachedNodes)
        forgetNodes();
    ++cachedNodes_;
    return slot(offset) = std::move(decoded);
}

void PageCache::writeRaw(std::uint64_t offset, std::string_view bytes)
{
    if (!file_.writeAt(offset, bytes))
        throw Error("Cannot write " + file_.path());
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
    for (int i = 3; i >= 0; --i)
        if (++counter_[i] != 0)
            break;
    writeRaw(kCounterOffset, std::string_view(reinterpret_cast<const char*>(counter_.data()), counter_.size()));
}

} // namespace tarvela::cdx
