// One decoded node of a tag tree. Leaves hold (key, record) entries; interior
// nodes hold for each child the last entry of its subtree and its offset.
// Keys are always complete: key length bytes with their pad.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/cdx/CdxFormat.h"

namespace tarvela::cdx {

struct Entry {
    std::string key;
    std::uint32_t record = 0;
    std::uint32_t child = kNoPage;  // interior entries only
};

struct Node {
    std::uint32_t offset = kNoPage;
    std::uint16_t attributes = kAttributeLeaf | kAttributeRoot;
    std::uint32_t left = kNoPage;
    std::uint32_t right = kNoPage;
    std::vector<Entry> entries;

    bool isLeaf() const { return attributes & kAttributeLeaf; }
    bool isRoot() const { return attributes & kAttributeRoot; }

    // Asks for every cache line of the entries at once, so that a binary
    // search waits for memory about once per node instead of once per probe.
    void prefetchEntries() const
    {
        constexpr std::size_t CacheLine = 64;
        const char* begin = reinterpret_cast<const char*>(entries.data());
        const char* end = reinterpret_cast<const char*>(entries.data() + entries.size());
        for (const char* line = begin; line < end; line += CacheLine)
            __builtin_prefetch(line);
    }
};

// What decoding and encoding a node needs to know about its tree.
struct KeyFormat {
    std::uint32_t keyLength = kDirectoryKeyLength;
    char pad = ' ';  // blank for text keys, zero for numbers and dates
};

using PageBytes = std::array<unsigned char, kPageSize>;

} // namespace tarvela::cdx
