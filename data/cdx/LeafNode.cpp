#include "data/cdx/LeafNode.h"

#include <algorithm>
#include <bit>

namespace tarvela::cdx {

namespace {

constexpr std::uint32_t kEntryTable = 0x18;

int countBits(std::uint32_t keyLength)
{
    return std::bit_width(keyLength);
}

int entryBytes(std::uint32_t maxRecord, int duplicateBits)
{
    const int needed = std::bit_width(maxRecord);
    int size = 1;
    while (8 * size - 2 * duplicateBits < needed)
        ++size;
    return size;
}

std::uint32_t trailingCount(const std::string& key, char pad)
{
    const auto last = key.find_last_not_of(pad);
    return static_cast<std::uint32_t>(last == std::string::npos ? key.size() : key.size() - last - 1);
}

// Shared prefix with the previous key, kept within the previous key's
// significant bytes so that simple readers rebuild keys right.
std::uint32_t duplicateCount(const std::string& previous, const std::string& key, std::uint32_t trailing,
                             char pad)
{
    const std::size_t limit = std::min<std::size_t>(key.size() - trailing, previous.size() - trailingCount(previous, pad));
    std::uint32_t same = 0;
    while (same < limit && previous[same] == key[same])
        ++same;
    return same;
}

void corrupt(std::uint32_t offset, const std::string& what)
{
    throw CorruptIndex("leaf at " + hexOffset(offset) + ": " + what);
}

std::uint32_t maskOf(int bits)
{
    return bits >= 32 ? 0xFFFFFFFFu : (std::uint32_t(1) << bits) - 1;
}

} // namespace

Node decodeLeaf(const PageBytes& page, std::uint32_t offset, const KeyFormat& format)
{
    Node node;
    node.offset = offset;
    node.attributes = static_cast<std::uint16_t>(readLe(page.data(), 2));
    node.left = readLe(page.data() + 4, 4);
    node.right = readLe(page.data() + 8, 4);
    const std::uint32_t count = readLe(page.data() + 2, 2);
    const std::uint32_t freeBytes = readLe(page.data() + 0x0C, 2);
    const std::uint32_t recordMask = readLe(page.data() + 0x0E, 4);
    const int recordBits = page[0x14];
    const int duplicateBits = page[0x15];
    const int trailingBits = page[0x16];
    const int size = page[0x17];
    if (count == 0) {
        if (freeBytes != kLeafSpace)
            corrupt(offset, "empty leaf with " + std::to_string(freeBytes) + " free bytes");
        return node;
    }
    if (size < 1 || size > 8 || recordBits + duplicateBits + trailingBits > 8 * size || duplicateBits > 8 ||
        trailingBits > 8)
        corrupt(offset, "impossible entry widths");
    if (recordMask != maskOf(recordBits) || page[0x12] != maskOf(duplicateBits) || page[0x13] != maskOf(trailingBits))
        corrupt(offset, "masks do not match the widths");
    if (count * size > kLeafSpace)
        corrupt(offset, "impossible key count " + std::to_string(count));
    const std::uint32_t tableEnd = kEntryTable + count * size;
    std::uint32_t keyEnd = kPageSize;
    std::string previous;
    node.entries.resize(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint64_t packed = 0;
        for (int b = size - 1; b >= 0; --b)
            packed = (packed << 8) | page[kEntryTable + i * size + b];
        const std::uint32_t record = static_cast<std::uint32_t>(packed & recordMask);
        const std::uint32_t duplicate = static_cast<std::uint32_t>((packed >> recordBits) & maskOf(duplicateBits));
        const std::uint32_t trailing =
            static_cast<std::uint32_t>((packed >> (recordBits + duplicateBits)) & maskOf(trailingBits));
        if (duplicate + trailing > format.keyLength || (i == 0 && duplicate != 0))
            corrupt(offset, "entry " + std::to_string(i) + " does not fit the key length");
        const std::uint32_t stored = format.keyLength - duplicate - trailing;
        if (keyEnd < tableEnd + stored)
            corrupt(offset, "keys reach into the entry table");
        keyEnd -= stored;
        Entry& entry = node.entries[i];
        entry.record = record;
        entry.key.reserve(format.keyLength);
        entry.key.assign(previous, 0, duplicate);
        entry.key.append(reinterpret_cast<const char*>(page.data() + keyEnd), stored);
        entry.key.append(trailing, format.pad);
        previous = entry.key;
    }
    if (freeBytes != keyEnd - tableEnd)
        corrupt(offset, "free bytes " + std::to_string(freeBytes) + ", expected " + std::to_string(keyEnd - tableEnd));
    return node;
}

std::size_t leafBytesNeeded(const std::vector<Entry>& entries, const KeyFormat& format)
{
    const int duplicateBits = countBits(format.keyLength);
    std::uint32_t maxRecord = 0;
    std::size_t stored = 0;
    const std::string* previous = nullptr;
    for (const auto& entry : entries) {
        maxRecord = std::max(maxRecord, entry.record);
        const auto trailing = trailingCount(entry.key, format.pad);
        const auto duplicate = previous ? duplicateCount(*previous, entry.key, trailing, format.pad) : 0;
        stored += format.keyLength - trailing - duplicate;
        previous = &entry.key;
    }
    return entries.size() * entryBytes(maxRecord, duplicateBits) + stored;
}

bool leafFits(const std::vector<Entry>& entries, const KeyFormat& format)
{
    return leafBytesNeeded(entries, format) <= kLeafSpace;
}

PageBytes encodeLeaf(const Node& node, const KeyFormat& format)
{
    PageBytes page{};
    const int duplicateBits = countBits(format.keyLength);
    std::uint32_t maxRecord = 0;
    for (const auto& entry : node.entries)
        maxRecord = std::max(maxRecord, entry.record);
    const int size = entryBytes(maxRecord, duplicateBits);
    const int recordBits = 8 * size - 2 * duplicateBits;
    writeLe(page.data(), node.attributes, 2);
    writeLe(page.data() + 2, static_cast<std::uint32_t>(node.entries.size()), 2);
    writeLe(page.data() + 4, node.left, 4);
    writeLe(page.data() + 8, node.right, 4);
    writeLe(page.data() + 0x0E, maskOf(recordBits), 4);
    page[0x12] = static_cast<unsigned char>(maskOf(duplicateBits));
    page[0x13] = static_cast<unsigned char>(maskOf(duplicateBits));
    page[0x14] = static_cast<unsigned char>(recordBits);
    page[0x15] = static_cast<unsigned char>(duplicateBits);
    page[0x16] = static_cast<unsigned char>(duplicateBits);
    page[0x17] = static_cast<unsigned char>(size);
    std::uint32_t keyEnd = kPageSize;
    const std::string* previous = nullptr;
    for (std::size_t i = 0; i < node.entries.size(); ++i) {
        const auto& entry = node.entries[i];
        const auto trailing = trailingCount(entry.key, format.pad);
        const auto duplicate = previous ? duplicateCount(*previous, entry.key, trailing, format.pad) : 0;
        const auto stored = format.keyLength - trailing - duplicate;
        keyEnd -= stored;
        std::copy_n(entry.key.begin() + duplicate, stored, page.begin() + keyEnd);
        std::uint64_t packed = entry.record | (std::uint64_t(duplicate) << recordBits) |
                               (std::uint64_t(trailing) << (recordBits + duplicateBits));
        for (int b = 0; b < size; ++b, packed >>= 8)
            page[kEntryTable + i * size + b] = static_cast<unsigned char>(packed & 0xFF);
        previous = &entry.key;
    }
    writeLe(page.data() + 0x0C, keyEnd - kEntryTable - static_cast<std::uint32_t>(node.entries.size()) * size, 2);
    return page;
}

LeafPacker::LeafPacker(const KeyFormat& format) : format_(format), duplicateBits_(countBits(format.keyLength)) {}

bool LeafPacker::tryAdd(const std::string& key, std::uint32_t record)
{
    const auto trailing = trailingCount(key, format_.pad);
    const auto duplicate = count_ ? duplicateCount(previous_, key, trailing, format_.pad) : 0;
    const std::size_t stored = storedBytes_ + format_.keyLength - trailing - duplicate;
    const std::uint32_t maxRecord = std::max(maxRecord_, record);
    if ((count_ + 1) * entryBytes(maxRecord, duplicateBits_) + stored > kLeafSpace)
        return false;
    ++count_;
    storedBytes_ = stored;
    maxRecord_ = maxRecord;
    previous_ = key;
    return true;
}

void LeafPacker::reset()
{
    count_ = 0;
    storedBytes_ = 0;
    maxRecord_ = 0;
    previous_.clear();
}

} // namespace tarvela::cdx
