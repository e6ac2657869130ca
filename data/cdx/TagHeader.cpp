#include "data/cdx/TagHeader.h"

#include <algorithm>

namespace tarvela::cdx {

namespace {

constexpr std::uint32_t kOrderWord = 0x1F6;
constexpr std::uint32_t kForStartWord = 0x1F8;
constexpr std::uint32_t kForLengthWord = 0x1FA;
constexpr std::uint32_t kKeyStartWord = 0x1FC;
constexpr std::uint32_t kKeyLengthWord = 0x1FE;
constexpr std::uint32_t kPool = 0x200;
constexpr std::uint32_t kPoolSize = 512;

std::string poolText(const unsigned char* bytes, std::uint32_t start, std::uint32_t length, std::uint32_t headerOffset)
{
    if (length == 0)
        return {};
    if (start + length > kPoolSize)
        throw CorruptIndex("expression outside the header at " + hexOffset(headerOffset));
    const char* text = reinterpret_cast<const char*>(bytes + kPool + start);
    return std::string(text, std::find(text, text + length, '\0'));
}

} // namespace

TagHeader TagHeader::decode(const unsigned char* bytes, std::uint32_t headerOffset)
{
    TagHeader header;
    header.root = readLe(bytes, 4);
    header.keyLength = readLe(bytes + 0x0C, 2);
    header.options = bytes[0x0E];
    if (header.keyLength < 1 || header.keyLength > kMaxKeyLength)
        throw CorruptIndex("key length " + std::to_string(header.keyLength) + " in the header at " +
                           hexOffset(headerOffset));
    if (!(header.options & kOptionCompact))
        throw CorruptIndex("not a compact index header at " + hexOffset(headerOffset));
    header.descending = readLe(bytes + kOrderWord, 2) != 0;
    header.keyExpression = poolText(bytes, readLe(bytes + kKeyStartWord, 2), readLe(bytes + kKeyLengthWord, 2), headerOffset);
    header.forExpression = poolText(bytes, readLe(bytes + kForStartWord, 2), readLe(bytes + kForLengthWord, 2), headerOffset);
    if (header.forExpression.find_first_not_of(' ') == std::string::npos)
        header.forExpression.clear();
    return header;
}

std::array<unsigned char, kHeaderSize> TagHeader::encode() const
{
    std::array<unsigned char, kHeaderSize> bytes{};
    writeLe(bytes.data(), root, 4);
    writeLe(bytes.data() + 0x0C, keyLength, 2);
    std::uint8_t written = options & ~kOptionFor;
    if (hasForCondition())
        written |= kOptionFor;
    bytes[0x0E] = written;
    bytes[0x0F] = 1;
    const auto keySize = static_cast<std::uint32_t>(keyExpression.size()) + 1;
    const auto forSize = static_cast<std::uint32_t>(forExpression.size()) + 1;
    if (keySize + forSize > kPoolSize)
        throw Error("Index expression \"" + keyExpression + "\" is too long");
    writeLe(bytes.data() + kOrderWord, descending ? 1 : 0, 2);
    writeLe(bytes.data() + kForStartWord, keySize, 2);
    writeLe(bytes.data() + kForLengthWord, forSize, 2);
    writeLe(bytes.data() + kKeyStartWord, 0, 2);
    writeLe(bytes.data() + kKeyLengthWord, keySize, 2);
    std::copy(keyExpression.begin(), keyExpression.end(), bytes.begin() + kPool);
    std::copy(forExpression.begin(), forExpression.end(), bytes.begin() + kPool + keySize);
    return bytes;
}

TagHeader TagHeader::directory()
{
    TagHeader header;
    header.options = kOptionCompact | kOptionCompound | kOptionDirectory;
    return header;
}

} // namespace tarvela::cdx
