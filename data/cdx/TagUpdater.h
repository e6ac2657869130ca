// Inserting and removing single entries of one tree, with leaf re-packing,
// splits, parent separators and a new root when the root splits. New pages
// are written before the pages that point to them, so a reader stopped half
// way meets at worst an orphan page. Caller holds the index lock.
#pragma once

#include <string>
#include <vector>

#include "data/cdx/KeyOrder.h"
#include "data/cdx/PageCache.h"

namespace tarvela::cdx {

class TagUpdater {
public:
    TagUpdater(PageCache& cache, std::uint32_t headerOffset, std::uint32_t root, const KeyFormat& format,
               const KeyOrder& order);

    void insert(const std::string& key, std::uint32_t record);
    // False when the tree has no such entry.
    bool remove(const std::string& key, std::uint32_t record);
    std::uint32_t root() const { return root_; }

private:
    struct Step {
        std::shared_ptr<const Node> node;
        std::size_t index;
    };
    using Path = std::vector<Step>;

    Path descend(const std::string& key, std::uint32_t record) const;
    bool searchEverywhere(std::uint32_t offset, const std::string& key, std::uint32_t record, Path& path,
                          int depth) const;
    void place(const Path& path, std::size_t level, Node node);
    void split(const Path& path, std::size_t level, Node node);
    void takeOut(const Path& path, std::size_t level, Node node);
    void carryLastUp(const Path& path, std::size_t level, const Node& node);
    void setNeighbourLink(std::uint32_t neighbour, bool leftLink, std::uint32_t value);
    bool fits(const Node& node) const;

    PageCache& cache_;
    std::uint32_t headerOffset_;
    std::uint32_t root_;
    KeyFormat format_;
    KeyOrder order_;
};

} // namespace tarvela::cdx
