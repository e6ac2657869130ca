// Reading one tree (a tag or the tag directory) in its stored order: the
// first entry that satisfies a condition which holds from some entry on,
// stepping forward and backward along the leaf level. Every pointer is
// checked; descents are bounded in depth and never visit a page twice.
#pragma once

#include <algorithm>
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

// A sound walk reads no page twice, so one that reads more pages than the
// file holds has met a cycle of pointers. Counting costs less than
// remembering every page on the hot path of a seek.
class PageBudget {
public:
    explicit PageBudget(const PageCache& cache) : left_(cache.fileLength() / kPageSize + 1) {}
    void spend(std::uint32_t offset)
    {
        if (left_-- == 0)
            throw CorruptIndex("pointers form a cycle at page " + hexOffset(offset));
    }

private:
    std::uint64_t left_;
};

class TagTree {
public:
    TagTree(PageCache& cache, std::uint32_t root, const KeyFormat& format);

    // The first entry in stored order for which reached() holds; reached()
    // must be false up to some entry and true from there on.
    template <class Condition>
    Position findFirst(const Condition& reached) const
    {
        PageBudget budget(cache_);
        std::uint32_t offset = root_;
        for (int depth = 0;; ++depth) {
            const auto& current = enter(offset, depth, budget);
            const auto& entries = current->entries;
            current->prefetchEntries();
            const auto found = std::partition_point(entries.begin(), entries.end(),
                                                    [&](const Entry& e) { return !reached(e); });
            const auto index = static_cast<std::size_t>(found - entries.begin());
            if (current->isLeaf()) {
                if (index < entries.size())
                    return {current, index};
                if (current->right == kNoPage)
                    return {};
                offset = current->right;
                depth = 0;
                continue;
            }
            if (index == entries.size())
                return {};
            offset = entries[index].child;
        }
    }
    Position first() const;
    Position last() const;
    bool next(Position& position) const;
    bool prior(Position& position) const;
    // Calls visit for every entry in stored order; stops when it returns false.
    void forEach(const std::function<bool(const Entry&)>& visit) const;

private:
    // References hold until the next page is read.
    const std::shared_ptr<const Node>& node(std::uint32_t offset) const;
    // The node at offset on a descent, after checking depth and budget.
    const std::shared_ptr<const Node>& enter(std::uint32_t offset, int depth, PageBudget& budget) const;
    Position edge(bool leftmost) const;

    PageCache& cache_;
    std::uint32_t root_;
    KeyFormat format_;
};

} // namespace tarvela::cdx
