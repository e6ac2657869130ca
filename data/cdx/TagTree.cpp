#include "data/cdx/TagTree.h"

namespace tarvela::cdx {

TagTree::TagTree(PageCache& cache, std::uint32_t root, const KeyFormat& format)
    : cache_(cache), root_(root), format_(format) {}

const std::shared_ptr<const Node>& TagTree::node(std::uint32_t offset) const
{
    return cache_.node(offset, format_);
}

const std::shared_ptr<const Node>& TagTree::enter(std::uint32_t offset, int depth, PageBudget& budget) const
{
    if (depth > kMaxDepth)
        throw CorruptIndex("tree deeper than " + std::to_string(kMaxDepth) + " levels");
    budget.spend(offset);
    return node(offset);
}

Position TagTree::edge(bool leftmost) const
{
    PageBudget budget(cache_);
    std::uint32_t offset = root_;
    for (int depth = 0;; ++depth) {
        auto current = enter(offset, depth, budget);
        if (current->isLeaf()) {
            Position position{current, leftmost ? 0 : current->entries.size()};
            if (leftmost && !current->entries.empty())
                return position;
            if (!leftmost && !current->entries.empty()) {
                position.index = current->entries.size() - 1;
                return position;
            }
            if (leftmost ? next(position) : prior(position))
                return position;
            return {};
        }
        offset = leftmost ? current->entries.front().child : current->entries.back().child;
    }
}

Position TagTree::first() const
{
    return edge(true);
}

Position TagTree::last() const
{
    return edge(false);
}

bool TagTree::next(Position& position) const
{
    if (position.index + 1 < position.leaf->entries.size()) {
        ++position.index;
        return true;
    }
    PageBudget budget(cache_);
    auto current = position.leaf;
    while (current->right != kNoPage) {
        budget.spend(current->right);
        current = node(current->right);
        if (!current->isLeaf())
            throw CorruptIndex("sibling of a leaf at " + hexOffset(current->offset) + " is not a leaf");
        if (!current->entries.empty()) {
            position = {current, 0};
            return true;
        }
    }
    return false;
}

bool TagTree::prior(Position& position) const
{
    if (position.index > 0 && position.index <= position.leaf->entries.size()) {
        --position.index;
        return true;
    }
    PageBudget budget(cache_);
    auto current = position.leaf;
    while (current->left != kNoPage) {
        budget.spend(current->left);
        current = node(current->left);
        if (!current->isLeaf())
            throw CorruptIndex("sibling of a leaf at " + hexOffset(current->offset) + " is not a leaf");
        if (!current->entries.empty()) {
            position = {current, current->entries.size() - 1};
            return true;
        }
    }
    return false;
}

void TagTree::forEach(const std::function<bool(const Entry&)>& visit) const
{
    Position position = first();
    if (!position.isValid())
        return;
    PageBudget leaves(cache_);
    leaves.spend(position.leaf->offset);
    do {
        if (!visit(position.entry()))
            return;
        const auto before = position.leaf->offset;
        if (!next(position))
            return;
        if (position.leaf->offset != before)
            leaves.spend(position.leaf->offset);
    } while (true);
}

} // namespace tarvela::cdx
