#include "data/cdx/TagBuilder.h"

#include <algorithm>
#include <cstring>

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

namespace {

// What the sort moves: the first sixteen bytes of a key's sort form as two
// big-endian words, so that most comparisons are two integer comparisons and
// never leave the array; longer keys that agree there are compared in full.
struct SortItem {
    std::uint64_t head = 0;
    std::uint64_t next = 0;
    std::uint32_t record = 0;
    std::uint32_t position = 0;
};

std::uint64_t bigEndianWord(const char* bytes, std::size_t available)
{
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < 8; ++i)
        word = word << 8 | (i < available ? static_cast<unsigned char>(bytes[i]) : 0u);
    return word;
}

} // namespace

std::vector<std::uint32_t> storedOrder(const KeyList& keys, bool collated, bool unique, bool descending)
{
    const std::size_t length = keys.keyLength();
    // Weights compare like plain bytes, so the sort needs only integer
    // comparisons and memcmp. Only keys longer than the two words are kept whole.
    std::string sortKey(length, '\0');
    std::string longKeys(length > 16 ? keys.size() * length : 0, '\0');
    std::vector<SortItem> items(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::string_view key = keys.key(i);
        if (collated)
            writeWeights(key, sortKey.data());
        else
            sortKey.assign(key);
        if (length > 16)
            std::memcpy(longKeys.data() + i * length, sortKey.data(), length);
        items[i] = {bigEndianWord(sortKey.data(), length), length > 8 ? bigEndianWord(sortKey.data() + 8, length - 8) : 0,
                    keys.record(i), static_cast<std::uint32_t>(i)};
    }
    const auto compareKeys = [&](const SortItem& a, const SortItem& b) {
        if (a.head != b.head)
            return a.head < b.head ? -1 : 1;
        if (a.next != b.next)
            return a.next < b.next ? -1 : 1;
        if (length <= 16)
            return 0;
        return std::memcmp(longKeys.data() + std::size_t(a.position) * length + 16,
                           longKeys.data() + std::size_t(b.position) * length + 16, length - 16);
    };
    std::sort(items.begin(), items.end(), [&](const SortItem& a, const SortItem& b) {
        const int byKey = compareKeys(a, b);
        return byKey != 0 ? byKey < 0 : a.record < b.record;
    });
    if (unique) {
        const auto end = std::unique(items.begin(), items.end(),
                                     [&](const SortItem& a, const SortItem& b) { return compareKeys(a, b) == 0; });
        items.erase(end, items.end());
    }
    std::vector<std::uint32_t> order(items.size());
    std::transform(items.begin(), items.end(), order.begin(), [](const SortItem& item) { return item.position; });
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

std::size_t treePages(std::size_t leaves, std::size_t capacity)
{
    std::size_t pages = leaves;
    for (std::size_t level = leaves; level > 1;) {
        level = (level + capacity - 1) / capacity;
        pages += level;
    }
    return pages;
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
    std::uint32_t nextOffset = headerOffset + kHeaderSize;
    std::string buffer;

    const auto ends = leafEnds(keys, order, format);
    buffer.reserve(treePages(ends.size(), interiorCapacity(keys.keyLength())) * kPageSize);
    std::vector<Entry> level;
    std::size_t begin = 0;
    for (std::size_t leafIndex = 0; leafIndex < ends.size(); ++leafIndex) {
        Node leaf;
        leaf.offset = nextOffset;
        leaf.attributes = ends.size() == 1 ? (kAttributeLeaf | kAttributeRoot) : kAttributeLeaf;
        leaf.left = leafIndex == 0 ? kNoPage : nextOffset - kPageSize;
        leaf.right = leafIndex + 1 == ends.size() ? kNoPage : nextOffset + kPageSize;
        for (std::size_t i = begin; i < ends[leafIndex]; ++i)
            leaf.entries.push_back(Entry{std::string(keys.key(order[i])), keys.record(order[i]), kNoPage});
        appendPage(buffer, encodeLeaf(leaf, format));
        if (!leaf.entries.empty())
            level.push_back(Entry{leaf.entries.back().key, leaf.entries.back().record, leaf.offset});
        begin = ends[leafIndex];
        nextOffset += kPageSize;
    }
    std::uint32_t root = headerOffset + kHeaderSize;
    const std::size_t capacity = interiorCapacity(keys.keyLength());
    while (level.size() > 1) {
        const std::size_t nodes = (level.size() + capacity - 1) / capacity;
        std::vector<Entry> above;
        for (std::size_t n = 0; n < nodes; ++n) {
            Node node;
            node.offset = nextOffset;
            node.attributes = nodes == 1 ? kAttributeRoot : 0;
            node.left = n == 0 ? kNoPage : nextOffset - kPageSize;
            node.right = n + 1 == nodes ? kNoPage : nextOffset + kPageSize;
            // Spread the children evenly so no node of the level is nearly empty.
            const std::size_t from = level.size() * n / nodes;
            const std::size_t to = level.size() * (n + 1) / nodes;
            node.entries.assign(level.begin() + static_cast<std::ptrdiff_t>(from),
                                level.begin() + static_cast<std::ptrdiff_t>(to));
            appendPage(buffer, encodeInterior(node, format));
            above.push_back(Entry{node.entries.back().key, node.entries.back().record, node.offset});
            root = nextOffset;
            nextOffset += kPageSize;
        }
        level = std::move(above);
    }
    cache.writeRaw(headerOffset + kHeaderSize, buffer);
    TagHeader written = header;
    written.root = root;
    written.keyLength = keys.keyLength();
    cache.writeHeader(headerOffset, written.encode());
    return headerOffset;
}

} // namespace tarvela::cdx
