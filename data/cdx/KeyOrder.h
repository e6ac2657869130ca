// The order of one tree's entries: keys through the collation (text keys) or
// as plain bytes (numbers, dates, tag names), equal keys by record number,
// all reversed for a descending tag. Search keys may be shorter than stored
// keys; a stored key that begins with the search key matches it.
#pragma once

#include <cstdint>
#include <string_view>

#include "data/cdx/Node.h"

namespace tarvela::cdx {

class KeyOrder {
public:
    KeyOrder(bool collated, bool descending) : collated_(collated), descending_(descending) {}

    bool isDescending() const { return descending_; }
    // Ascending comparison of two keys, shorter prefix first.
    int compareKeys(std::string_view a, std::string_view b) const;
    // <0 when the entry comes before (key, record) in the tag's own order.
    int compareInTagOrder(const Entry& entry, std::string_view key, std::uint32_t record) const;
    // Ascending comparison of a stored key with a search key, 0 when the
    // stored key begins with it.
    int compareWithSearch(std::string_view stored, std::string_view search) const;

private:
    bool collated_;
    bool descending_;
};

} // namespace tarvela::cdx
