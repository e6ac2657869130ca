// Bulk building of a tag: the keys of all records are sorted in memory once
// and the tree is written bottom-up, leaves filled as full as they go, then
// the levels above, then the tag header. Nothing points to the new pages
// until the caller enters the header in the tag directory.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/cdx/PageCache.h"
#include "data/cdx/TagHeader.h"

namespace tarvela::cdx {

// Keys of equal length side by side in one buffer, with their records.
class KeyList {
public:
    explicit KeyList(std::uint32_t keyLength) : keyLength_(keyLength) {}
    void reserve(std::size_t count);
    void add(std::string_view key, std::uint32_t record);
    std::size_t size() const { return records_.size(); }
    std::string_view key(std::size_t i) const { return std::string_view(keys_).substr(i * keyLength_, keyLength_); }
    std::uint32_t record(std::size_t i) const { return records_[i]; }
    std::uint32_t keyLength() const { return keyLength_; }

private:
    std::uint32_t keyLength_;
    std::string keys_;
    std::vector<std::uint32_t> records_;
};

// Positions of the list in stored order: by key (through the collation when
// collated), equal keys by record; only the first of equal keys for a unique
// tag; the whole order reversed for a descending one.
std::vector<std::uint32_t> storedOrder(const KeyList& keys, bool collated, bool unique, bool descending);

// Writes nodes and header at the end of the file; returns the header offset.
std::uint32_t writeTag(PageCache& cache, const TagHeader& header, char pad, const KeyList& keys,
                       const std::vector<std::uint32_t>& order);

} // namespace tarvela::cdx
