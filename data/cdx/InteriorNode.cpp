#include "data/cdx/InteriorNode.h"

#include <algorithm>

#include "data/cdx/LeafNode.h"

namespace tarvela::cdx {

namespace {
constexpr std::uint32_t kEntryTable = 0x0C;
}

std::uint32_t interiorCapacity(std::uint32_t keyLength)
{
    return kInteriorSpace / (keyLength + 8);
}

Node decodeInterior(const PageBytes& page, std::uint32_t offset, const KeyFormat& format)
{
    Node node;
    node.offset = offset;
    node.attributes = static_cast<std::uint16_t>(readLe(page.data(), 2));
    node.left = readLe(page.data() + 4, 4);
    node.right = readLe(page.data() + 8, 4);
    const std::uint32_t count = readLe(page.data() + 2, 2);
    if (count == 0 || count > interiorCapacity(format.keyLength))
        throw CorruptIndex("interior node at " + hexOffset(offset) + ": impossible key count " + std::to_string(count));
    const std::uint32_t entrySize = format.keyLength + 8;
    node.entries.resize(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const unsigned char* at = page.data() + kEntryTable + i * entrySize;
        Entry& entry = node.entries[i];
        entry.key.assign(reinterpret_cast<const char*>(at), format.keyLength);
        entry.record = readBe32(at + format.keyLength);
        entry.child = readBe32(at + format.keyLength + 4);
    }
    return node;
}

PageBytes encodeInterior(const Node& node, const KeyFormat& format)
{
    PageBytes page{};
    writeLe(page.data(), node.attributes, 2);
    writeLe(page.data() + 2, static_cast<std::uint32_t>(node.entries.size()), 2);
    writeLe(page.data() + 4, node.left, 4);
    writeLe(page.data() + 8, node.right, 4);
    const std::uint32_t entrySize = format.keyLength + 8;
    for (std::size_t i = 0; i < node.entries.size(); ++i) {
        unsigned char* at = page.data() + kEntryTable + i * entrySize;
        const auto& entry = node.entries[i];
        std::copy_n(entry.key.begin(), format.keyLength, at);
        writeBe32(at + format.keyLength, entry.record);
        writeBe32(at + format.keyLength + 4, entry.child);
    }
    return page;
}

Node decodeNode(const PageBytes& page, std::uint32_t offset, const KeyFormat& format)
{
    return (readLe(page.data(), 2) & kAttributeLeaf) ? decodeLeaf(page, offset, format)
                                                    : decodeInterior(page, offset, format);
}

PageBytes encodeNode(const Node& node, const KeyFormat& format)
{
    return node.isLeaf() ? encodeLeaf(node, format) : encodeInterior(node, format);
}

} // namespace tarvela::cdx
