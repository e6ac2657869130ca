// A leaf page of a CDX tag: entries packed into S-byte numbers from the front
// of the 512-byte page, compressed keys growing from its end. Decoding never
// trusts the page: counts, widths and offsets are checked before they are used.
#pragma once

#include <cstddef>

#include "data/cdx/Node.h"

namespace tarvela::cdx {

Node decodeLeaf(const PageBytes& page, std::uint32_t offset, const KeyFormat& format);

// Bytes the entries take in a leaf (packed entries plus stored key bytes);
// they fit when this is at most LeafSpace.
std::size_t leafBytesNeeded(const std::vector<Entry>& entries, const KeyFormat& format);
bool leafFits(const std::vector<Entry>& entries, const KeyFormat& format);

// The caller makes sure the entries fit.
PageBytes encodeLeaf(const Node& node, const KeyFormat& format);

// Leaf building one entry at a time, as bulk building cuts leaves: tells
// whether one more entry still fits without re-packing everything.
class LeafPacker {
public:
    explicit LeafPacker(const KeyFormat& format);
    bool tryAdd(const std::string& key, std::uint32_t record);
    void reset();
    std::size_t count() const { return count_; }

private:
    KeyFormat format_;
    int duplicateBits_;
    std::size_t count_ = 0;
    std::size_t storedBytes_ = 0;
    std::uint32_t maxRecord_ = 0;
    std::string previous_;
};

} // namespace tarvela::cdx
