// The 1024-byte header of a tree: the file header (the tag directory) or the
// header of one tag, with root pointer, key length, options, order and the
// key and FOR expressions. Decoding checks what a reader relies on.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/cdx/CdxFormat.h"

namespace tarvela::cdx {

struct TagHeader {
    std::uint32_t root = kDirectoryRoot;
    std::uint32_t keyLength = kDirectoryKeyLength;
    std::uint8_t options = kOptionCompact | kOptionCompound;
    bool descending = false;
    std::string keyExpression;
    std::string forExpression;

    bool isUnique() const { return options & kOptionUnique; }
    bool hasForCondition() const { return !forExpression.empty(); }

    // headerOffset only names the place in error details.
    static TagHeader decode(const unsigned char* bytes, std::uint32_t headerOffset);
    std::array<unsigned char, kHeaderSize> encode() const;
    static TagHeader directory();
};

} // namespace tarvela::cdx
