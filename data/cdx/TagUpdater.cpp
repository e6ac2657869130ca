#include "data/cdx/TagUpdater.h"

#include <algorithm>

#include "data/cdx/InteriorNode.h"
#include "data/cdx/LeafNode.h"

namespace tarvela::cdx {

namespace {

bool sameEntry(const Entry& a, const Entry& b)
{
    return a.record == b.record && a.key == b.key;
}

Entry separatorFor(const Node& child)
{
    const Entry& last = child.entries.back();
    return Entry{last.key, last.record, child.offset};
}

} // namespace

TagUpdater::TagUpdater(PageCache& cache, std::uint32_t headerOffset, std::uint32_t root, const KeyFormat& format,
                       const KeyOrder& order)
    : cache_(cache), headerOffset_(headerOffset), root_(root), format_(format), order_(order) {}

bool TagUpdater::fits(const Node& node) const
{
    return node.isLeaf() ? leafFits(node.entries, format_)
                         : node.entries.size() <= interiorCapacity(format_.keyLength);
}

TagUpdater::Path TagUpdater::descend(const std::string& key, std::uint32_t record) const
{
    Path path;
    std::uint32_t offset = root_;
    for (int depth = 0; depth <= kMaxDepth; ++depth) {
        if (std::any_of(path.begin(), path.end(), [&](const Step& s) { return s.node->offset == offset; }))
            throw CorruptIndex("page " + hexOffset(offset) + " reached twice");
        auto node = cache_.node(offset, format_);
        const auto& entries = node->entries;
        const auto found = std::partition_point(entries.begin(), entries.end(), [&](const Entry& e) {
            return order_.compareInTagOrder(e, key, record) < 0;
        });
        auto index = static_cast<std::size_t>(found - entries.begin());
        if (node->isLeaf()) {
            path.push_back({node, index});
            return path;
        }
        index = std::min(index, entries.size() - 1);
        path.push_back({node, index});
        offset = entries[index].child;
    }
    throw CorruptIndex("tree deeper than " + std::to_string(kMaxDepth) + " levels");
}

// For trees whose equal keys are not ordered by record number the way this
// program writes them: look at every leaf.
bool TagUpdater::searchEverywhere(std::uint32_t offset, const std::string& key, std::uint32_t record, Path& path,
                                  int depth) const
{
    if (depth > kMaxDepth)
        throw CorruptIndex("tree deeper than " + std::to_string(kMaxDepth) + " levels");
    auto node = cache_.node(offset, format_);
    for (std::size_t i = 0; i < node->entries.size(); ++i) {
        const Entry& entry = node->entries[i];
        path.push_back({node, i});
        if (node->isLeaf() ? (entry.record == record && entry.key == key)
                           : searchEverywhere(entry.child, key, record, path, depth + 1))
            return true;
        path.pop_back();
    }
    return false;
}

void TagUpdater::insert(const std::string& key, std::uint32_t record)
{
    const Path path = descend(key, record);
    Node leaf = *path.back().node;
    leaf.entries.insert(leaf.entries.begin() + static_cast<std::ptrdiff_t>(path.back().index),
                        Entry{key, record, kNoPage});
    place(path, path.size() - 1, std::move(leaf));
}

bool TagUpdater::remove(const std::string& key, std::uint32_t record)
{
    Path path = descend(key, record);
    const Step& step = path.back();
    const bool there = step.index < step.node->entries.size() &&
                       sameEntry(step.node->entries[step.index], Entry{key, record, kNoPage});
    if (!there) {
        path.clear();
        if (!searchEverywhere(root_, key, record, path, 0))
            return false;
    }
    Node leaf = *path.back().node;
    leaf.entries.erase(leaf.entries.begin() + static_cast<std::ptrdiff_t>(path.back().index));
    takeOut(path, path.size() - 1, std::move(leaf));
    return true;
}

void TagUpdater::place(const Path& path, std::size_t level, Node node)
{
    if (!fits(node)) {
        split(path, level, std::move(node));
        return;
    }
    cache_.writeNode(node, format_);
    carryLastUp(path, level, node);
}

void TagUpdater::split(const Path& path, std::size_t level, Node node)
{
    std::size_t cut = node.entries.size() / 2;
    if (node.isLeaf()) {
        const auto bothFit = [&](std::size_t at) {
            const std::vector<Entry> head(node.entries.begin(), node.entries.begin() + static_cast<std::ptrdiff_t>(at));
            const std::vector<Entry> tail(node.entries.begin() + static_cast<std::ptrdiff_t>(at), node.entries.end());
            return leafFits(head, format_) && leafFits(tail, format_);
        };
        std::size_t step = 0;
        while (!bothFit(cut)) {
            ++step;
            cut = (step % 2) ? node.entries.size() / 2 + (step + 1) / 2 : node.entries.size() / 2 - step / 2;
            if (cut == 0 || cut >= node.entries.size())
                throw Error("Index key does not fit a page");
        }
    }
    const bool wasRoot = node.isRoot();
    node.attributes &= ~kAttributeRoot;
    Node right;
    right.offset = cache_.allocate();
    right.attributes = node.attributes;
    right.entries.assign(node.entries.begin() + static_cast<std::ptrdiff_t>(cut), node.entries.end());
    node.entries.resize(cut);
    right.left = node.offset;
    right.right = node.right;
    node.right = right.offset;
    cache_.writeNode(right, format_);
    cache_.writeNode(node, format_);
    if (right.right != kNoPage)
        setNeighbourLink(right.right, true, right.offset);
    if (wasRoot) {
        Node root;
        root.offset = cache_.allocate();
        root.attributes = kAttributeRoot;
        root.entries = {separatorFor(node), separatorFor(right)};
        cache_.writeNode(root, format_);
        cache_.writeRoot(headerOffset_, root.offset);
        root_ = root.offset;
        return;
    }
    Node parent = *path[level - 1].node;
    const std::size_t at = path[level - 1].index;
    parent.entries[at] = separatorFor(node);
    parent.entries.insert(parent.entries.begin() + static_cast<std::ptrdiff_t>(at + 1), separatorFor(right));
    place(path, level - 1, std::move(parent));
}

void TagUpdater::takeOut(const Path& path, std::size_t level, Node node)
{
    if (!node.entries.empty() || node.isRoot()) {
        if (node.entries.empty())
            node.attributes = kAttributeLeaf | kAttributeRoot;
        cache_.writeNode(node, format_);
        carryLastUp(path, level, node);
        return;
    }
    if (node.left != kNoPage)
        setNeighbourLink(node.left, false, node.right);
    if (node.right != kNoPage)
        setNeighbourLink(node.right, true, node.left);
    Node parent = *path[level - 1].node;
    parent.entries.erase(parent.entries.begin() + static_cast<std::ptrdiff_t>(path[level - 1].index));
    takeOut(path, level - 1, std::move(parent));
}

// A node's last entry is its parent's separator for it: keep them equal.
void TagUpdater::carryLastUp(const Path& path, std::size_t level, const Node& node)
{
    if (level == 0 || node.entries.empty())
        return;
    const Node& before = *path[level].node;
    if (!before.entries.empty() && sameEntry(before.entries.back(), node.entries.back()))
        return;
    Node parent = *path[level - 1].node;
    Entry& separator = parent.entries[path[level - 1].index];
    separator.key = node.entries.back().key;
    separator.record = node.entries.back().record;
    cache_.writeNode(parent, format_);
    carryLastUp(path, level - 1, parent);
}

void TagUpdater::setNeighbourLink(std::uint32_t neighbour, bool leftLink, std::uint32_t value)
{
    Node node = *cache_.node(neighbour, format_);
    (leftLink ? node.left : node.right) = value;
    cache_.writeNode(node, format_);
}

} // namespace tarvela::cdx
