#include "data/cdx/TagNavigator.h"

namespace tarvela::cdx {

namespace {
TagTree treeOf(PageCache& cache, const Tag& tag)
{
    return TagTree(cache, tag.header.root, tag.format);
}
}

Position TagNavigator::firstNotBelow(const TagTree& tree, const Tag& tag, const std::string& bound) const
{
    if (!tag.order.isDescending())
        return tree.findFirst([&](const Entry& e) { return tag.order.compareWithSearch(e.key, bound) >= 0; });
    Position position = tree.findFirst([&](const Entry& e) { return tag.order.compareWithSearch(e.key, bound) < 0; });
    if (!position.isValid())
        return tree.last();
    return tree.prior(position) ? position : Position{};
}

Position TagNavigator::lastNotAbove(const TagTree& tree, const Tag& tag, const std::string& bound) const
{
    if (tag.order.isDescending())
        return tree.findFirst([&](const Entry& e) { return tag.order.compareWithSearch(e.key, bound) <= 0; });
    Position position = tree.findFirst([&](const Entry& e) { return tag.order.compareWithSearch(e.key, bound) > 0; });
    if (!position.isValid())
        return tree.last();
    return tree.prior(position) ? position : Position{};
}

std::uint32_t TagNavigator::answer(PageCache& cache, const Tag& tag, const KeyRange& range, const Position& position)
{
    if (!position.isValid() || !range.contains(tag, position.entry().key))
        return 0;
    remembered_ = position;
    rememberedGeneration_ = cache.generation();
    rememberedHeader_ = tag.headerOffset;
    return position.entry().record;
}

std::uint32_t TagNavigator::first(PageCache& cache, const Tag& tag, const KeyRange& range)
{
    const TagTree tree = treeOf(cache, tag);
    const auto bound = tag.order.isDescending() ? range.high(tag) : range.low(tag);
    if (!bound)
        return answer(cache, tag, range, tree.first());
    return answer(cache, tag, range,
                  tag.order.isDescending() ? lastNotAbove(tree, tag, *bound) : firstNotBelow(tree, tag, *bound));
}

std::uint32_t TagNavigator::last(PageCache& cache, const Tag& tag, const KeyRange& range)
{
    const TagTree tree = treeOf(cache, tag);
    const auto bound = tag.order.isDescending() ? range.low(tag) : range.high(tag);
    if (!bound)
        return answer(cache, tag, range, tree.last());
    return answer(cache, tag, range,
                  tag.order.isDescending() ? firstNotBelow(tree, tag, *bound) : lastNotAbove(tree, tag, *bound));
}

// The first entry not before (key, record) in stored order.
Position TagNavigator::locate(PageCache& cache, const Tag& tag, const std::string& key, std::uint32_t record)
{
    if (remembered_.isValid() && rememberedGeneration_ == cache.generation() &&
        rememberedHeader_ == tag.headerOffset && remembered_.entry().record == record &&
        remembered_.entry().key == key)
        return remembered_;
    return treeOf(cache, tag).findFirst(
        [&](const Entry& e) { return tag.order.compareInTagOrder(e, key, record) >= 0; });
}

std::uint32_t TagNavigator::next(PageCache& cache, const Tag& tag, const KeyRange& range, const std::string& key,
                                 std::uint32_t record)
{
    Position position = locate(cache, tag, key, record);
    if (!position.isValid())
        return 0;
    const Entry& at = position.entry();
    if (at.record == record && at.key == key && !treeOf(cache, tag).next(position))
        return 0;
    // A sibling chain that leads backward would make a walk endless.
    if (tag.order.compareInTagOrder(position.entry(), key, record) <= 0)
        throw CorruptIndex("entries out of order after record " + std::to_string(record));
    return answer(cache, tag, range, position);
}

std::uint32_t TagNavigator::prior(PageCache& cache, const Tag& tag, const KeyRange& range, const std::string& key,
                                  std::uint32_t record)
{
    const TagTree tree = treeOf(cache, tag);
    Position position = locate(cache, tag, key, record);
    if (!position.isValid())
        return answer(cache, tag, range, tree.last());
    if (!tree.prior(position))
        return 0;
    if (tag.order.compareInTagOrder(position.entry(), key, record) >= 0)
        throw CorruptIndex("entries out of order before record " + std::to_string(record));
    return answer(cache, tag, range, position);
}

Found TagNavigator::seek(PageCache& cache, const Tag& tag, const KeyRange& range, const std::string& searchKey,
                         bool nearest)
{
    const TagTree tree = treeOf(cache, tag);
    const Position position = tree.findFirst([&](const Entry& e) {
        const int order = tag.order.compareWithSearch(e.key, searchKey);
        return tag.order.isDescending() ? order <= 0 : order >= 0;
    });
    if (!position.isValid())
        return {};
    const bool matched = tag.order.compareWithSearch(position.entry().key, searchKey) == 0;
    if (!matched && !nearest)
        return {};
    const std::uint32_t record = answer(cache, tag, range, position);
    return {matched && record != 0, record};
}

} // namespace tarvela::cdx
