// Reading one tree (a tag or the tag directory) in its stored order: the
// first entry that satisfies a condition which holds from some entry on,
// stepping forward and backward along the leaf level. Every pointer is
// checked; descents are bounded in depth and never visit a page twice.
#pragma once

#include <functional>
#include <memory>

#include "data/cdx/KeyOrder.h"
#include "data/cdx/PageCache.h"

namespace tarvela::cdx {

struct Position {
    std::shared_ptr<const Node> leaf;  // null: off the end
    std::size_t index = 0;

    bool isValid() const { return leaf != nullptr; }
    const Entry& entry() const { return leaf->entries[index]; }
};

using EntryCondition = std::function<bool(const Entry&)>;

class TagTree {
public:
    TagTree(PageCache& cache, std::uint32_t root, const KeyFormat& format);

    // The first entry in stored order for which reached() holds; reached()
    // must be false up to some entry and true from there on.
    Position findFirst(const EntryCondition& reached) const;
    Position first() const;
    Position last() const;
    bool next(Position& position) const;
    bool prior(Position& position) const;
    // Calls visit for every entry in stored order; stops when it returns false.
    void forEach(const std::function<bool(const Entry&)>& visit) const;

private:
    std::shared_ptr<const Node> node(std::uint32_t offset) const;
    Position edge(bool leftmost) const;

    PageCache& cache_;
    std::uint32_t root_;
    KeyFormat format_;
};

} // namespace tarvela::cdx
