#include "data/cdx/TagTree.h"

#include <algorithm>
#include <unordered_set>

namespace tarvela::cdx {

namespace {

class VisitGuard {
public:
    void enter(std::uint32_t offset)
    {
        if (!visited_.insert(offset).second)
            throw CorruptIndex("page " + hexOffset(offset) + " reached twice");
        if (visited_.size() > LimitPerWalk)
            throw CorruptIndex("too many pages on one path");
    }

private:
    static constexpr std::size_t LimitPerWalk = 1u << 24;
    std::unordered_set<std::uint32_t> visited_;
};

} // namespace

TagTree::TagTree(PageCache& cache, std::uint32_t root, const KeyFormat& format)
    : cache_(cache), root_(root), format_(format) {}

std::shared_ptr<const Node> TagTree::node(std::uint32_t offset) const
{
    return cache_.node(offset, format_);
}

Position TagTree::findFirst(const EntryCondition& reached) const
{
    VisitGuard guard;
    std::uint32_t offset = root_;
    for (int depth = 0;; ++depth) {
        if (depth > MaxDepth)
            throw CorruptIndex("tree deeper than " + std::to_string(MaxDepth) + " levels");
        guard.enter(offset);
        auto current = node(offset);
        const auto& entries = current->entries;
        const auto found = std::partition_point(entries.begin(), entries.end(),
                                                [&](const Entry& e) { return !reached(e); });
        const auto index = static_cast<std::size_t>(found - entries.begin());
        if (current->isLeaf()) {
            if (index < entries.size())
                return {current, index};
            if (current->right == NoPage)
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

Position TagTree::edge(bool leftmost) const
{
    VisitGuard guard;
    std::uint32_t offset = root_;
    for (int depth = 0; depth <= MaxDepth; ++depth) {
        guard.enter(offset);
        auto current = node(offset);
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
    throw CorruptIndex("tree deeper than " + std::to_string(MaxDepth) + " levels");
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
    VisitGuard guard;
    auto current = position.leaf;
    while (current->right != NoPage) {
        guard.enter(current->right);
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
    VisitGuard guard;
    auto current = position.leaf;
    while (current->left != NoPage) {
        guard.enter(current->left);
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
    VisitGuard leaves;
    leaves.enter(position.leaf->offset);
    do {
        if (!visit(position.entry()))
            return;
        const auto before = position.leaf->offset;
        if (!next(position))
            return;
        if (position.leaf->offset != before)
            leaves.enter(position.leaf->offset);
    } while (true);
}

} // namespace tarvela::cdx
