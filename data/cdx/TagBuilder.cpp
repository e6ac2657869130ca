#include "data/cdx/TagBuilder.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "data/cdx/Collation.h"
#include "data/cdx/InteriorNode.h"
#include "data/cdx/LeafNode.h"

namespace tarvela::cdx {

void KeyList::reserve(std::size_t count)
{
    keys_.reserve(count * keyLength_);
    records_.reserve(count);
}

void KeyList::add(std::string_view key, std::uint32_t record)
{
    keys_.append(key.substr(0, keyLength_));
    keys_.append(keyLength_ - std::min<std::size_t>(key.size(), keyLength_), ' ');
    records_.push_back(record);
}

std::vector<std::uint32_t> storedOrder(const KeyList& keys, bool collated, bool unique, bool descending)
{
    const std::size_t length = keys.keyLength();
    // Weights compare like plain bytes, so the sort needs only memcmp.
    std::string sortKeys;
    sortKeys.reserve(keys.size() * length);
    for (std::size_t i = 0; i < keys.size(); ++i)
        sortKeys += collated ? toWeights(keys.key(i)) : std::string(keys.key(i));
    const auto sortKey = [&](std::uint32_t i) { return sortKeys.data() + std::size_t(i) * length; };
    std::vector<std::uint32_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const int byKey = std::memcmp(sortKey(a), sortKey(b), length);
        return byKey != 0 ? byKey < 0 : keys.record(a) < keys.record(b);
    });
    if (unique) {
        const auto end = std::unique(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            return std::memcmp(sortKey(a), sortKey(b), length) == 0;
        });
        order.erase(end, order.end());
    }
    if (descending)
        std::reverse(order.begin(), order.end());
    return order;
}

namespace {

// Cuts the stored order into leaves as full as they go; returns where each leaf ends.
std::vector<std::size_t> leafEnds(const KeyList& keys, const std::vector<std::uint32_t>& order, const KeyFormat& format)
{
    std::vector<std::size_t> ends;
    LeafPacker packer(format);
    std::string key;
    for (std::size_t i = 0; i < order.size(); ++i) {
        key.assign(keys.key(order[i]));
        if (packer.tryAdd(key, keys.record(order[i])))
            continue;
        ends.push_back(i);
        packer.reset();
        packer.tryAdd(key, keys.record(order[i]));
    }
    if (!order.empty() || ends.empty())
        ends.push_back(order.size());
    return ends;
}

void appendPage(std::string& buffer, const PageBytes& page)
{
    buffer.append(reinterpret_cast<const char*>(page.data()), page.size());
}

} // namespace

std::uint32_t writeTag(PageCache& cache, const TagHeader& header, char pad, const KeyList& keys,
                       const std::vector<std::uint32_t>& order)
{
    const KeyFormat format{keys.keyLength(), pad};
    const std::uint32_t headerOffset = cache.allocate(2);
    std::uint32_t nextOffset = headerOffset + HeaderSize;
    std::string buffer;

    const auto ends = leafEnds(keys, order, format);
    std::vector<Entry> level;
    std::size_t begin = 0;
    for (std::size_t leafIndex = 0; leafIndex < ends.size(); ++leafIndex) {
        Node leaf;
        leaf.offset = nextOffset;
        leaf.attributes = ends.size() == 1 ? (AttributeLeaf | AttributeRoot) : AttributeLeaf;
        leaf.left = leafIndex == 0 ? NoPage : nextOffset - PageSize;
        leaf.right = leafIndex + 1 == ends.size() ? NoPage : nextOffset + PageSize;
        for (std::size_t i = begin; i < ends[leafIndex]; ++i)
            leaf.entries.push_back(Entry{std::string(keys.key(order[i])), keys.record(order[i]), NoPage});
        appendPage(buffer, encodeLeaf(leaf, format));
        if (!leaf.entries.empty())
            level.push_back(Entry{leaf.entries.back().key, leaf.entries.back().record, leaf.offset});
        begin = ends[leafIndex];
        nextOffset += PageSize;
    }
    std::uint32_t root = headerOffset + HeaderSize;
    const std::size_t capacity = interiorCapacity(keys.keyLength());
    while (level.size() > 1) {
        const std::size_t nodes = (level.size() + capacity - 1) / capacity;
        std::vector<Entry> above;
        for (std::size_t n = 0; n < nodes; ++n) {
            Node node;
            node.offset = nextOffset;
            node.attributes = nodes == 1 ? AttributeRoot : 0;
            node.left = n == 0 ? NoPage : nextOffset - PageSize;
            node.right = n + 1 == nodes ? NoPage : nextOffset + PageSize;
            // Spread the children evenly so no node of the level is nearly empty.
            const std::size_t from = level.size() * n / nodes;
            const std::size_t to = level.size() * (n + 1) / nodes;
            node.entries.assign(level.begin() + static_cast<std::ptrdiff_t>(from),
                                level.begin() + static_cast<std::ptrdiff_t>(to));
            appendPage(buffer, encodeInterior(node, format));
            above.push_back(Entry{node.entries.back().key, node.entries.back().record, node.offset});
            root = nextOffset;
            nextOffset += PageSize;
        }
        level = std::move(above);
    }
    cache.writeRaw(headerOffset + HeaderSize, buffer);
    TagHeader written = header;
    written.root = root;
    written.keyLength = keys.keyLength();
    cache.writeHeader(headerOffset, written.encode());
    return headerOffset;
}

} // namespace tarvela::cdx
