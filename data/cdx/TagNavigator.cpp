#include "data/cdx/TagNavigator.h"

#include <algorithm>

#include "data/cdx/ForeignOrder.h"

namespace tarvela::cdx {

namespace {

TagTree treeOf(PageCache& cache, const Tag& tag)
{
    return TagTree(cache, tag.header.root, tag.format);
}

// Key order in the stored direction, records left out.
int compareStoredKeys(const Tag& tag, const std::string& a, const std::string& b)
{
    const int order = tag.order.compareKeys(a, b);
    return tag.order.isDescending() ? -order : order;
}

} // namespace

void TagNavigator::forget()
{
    remembered_ = {};
    walkSteps_ = 0;
    foreignTags_.clear();
    forgetRun();
}

bool TagNavigator::isAtAnswer(const PageCache& cache, const Tag& tag, const std::string& key,
                              std::uint32_t record) const
{
    return wasAnswered(key, record) && rememberedGeneration_ == cache.generation() &&
           rememberedHeader_ == tag.headerOffset;
}

void TagNavigator::requireCollationOrder(const TagTree& tree, const Tag& tag, const Position& found) const
{
    if (std::ranges::find(foreignTags_, tag.headerOffset) != foreignTags_.end())
        throw ForeignOrder(tag.name);
    if (!found.isValid())
        return;
    Position before = found;
    Position after = found;
    if ((tree.prior(before) && compareStoredKeys(tag, before.entry().key, found.entry().key) > 0) ||
        (tree.next(after) && compareStoredKeys(tag, found.entry().key, after.entry().key) > 0))
        throw ForeignOrder(tag.name);
}

bool TagNavigator::wasAnswered(const std::string& key, std::uint32_t record) const
{
    return remembered_.isValid() && remembered_.entry().record == record && remembered_.entry().key == key;
}

// Another program that changes a key holds the index lock until the entry
// follows, which changes the file; so an unchanged file with a record under
// another key than its entry means the record was changed without the index.
bool TagNavigator::contradicts(const PageCache& cache, const Tag& tag, const std::string& key,
                               std::uint32_t record) const
{
    return remembered_.isValid() && rememberedGeneration_ == cache.generation() &&
           rememberedHeader_ == tag.headerOffset && remembered_.entry().record == record &&
           remembered_.entry().key != key;
}

void TagNavigator::confirm(const PageCache& cache, const Tag& tag, const std::string& key, std::uint32_t record) const
{
    if (contradicts(cache, tag, key, record))
        throw CorruptIndex("record " + std::to_string(record) + " no longer has the key of its entry");
}

// A sound walk meets every entry once, and no page holds more entries than
// bytes, so a walk longer than that goes round in circles, whatever a
// damaged file or a writer that keeps changing it does to the other checks.
void TagNavigator::countStep(const PageCache& cache, std::uint32_t record, bool forward)
{
    const bool continues = remembered_.isValid() && remembered_.entry().record == record && forward == walkForward_;
    walkSteps_ = continues ? walkSteps_ + 1 : 1;
    walkForward_ = forward;
    if (walkSteps_ > (cache.fileLength() / kPageSize + 1) * kLeafSpace)
        throw CorruptIndex("a walk met more entries than the file can hold");
}

// Dropping the set whole frees what a long run made it grow to; clearing
// would keep the buckets and sweep them every time.
void TagNavigator::forgetRun()
{
    if (!runRecords_.empty())
        std::unordered_set<std::uint32_t>().swap(runRecords_);
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

std::uint32_t TagNavigator::storedEdge(PageCache& cache, const Tag& tag, const KeyRange& range, bool front)
{
    forgetRun();
    walkSteps_ = 0;
    const TagTree tree = treeOf(cache, tag);
    const bool fromLow = front != tag.order.isDescending();
    const auto bound = fromLow ? range.low(tag) : range.high(tag);
    if (!bound)
        return answer(cache, tag, range, front ? tree.first() : tree.last());
    const Position found = fromLow ? firstNotBelow(tree, tag, *bound) : lastNotAbove(tree, tag, *bound);
    requireCollationOrder(tree, tag, found);
    return answer(cache, tag, range, found);
}

std::uint32_t TagNavigator::first(PageCache& cache, const Tag& tag, const KeyRange& range)
{
    return storedEdge(cache, tag, range, !tag.reversed);
}

std::uint32_t TagNavigator::last(PageCache& cache, const Tag& tag, const KeyRange& range)
{
    return storedEdge(cache, tag, range, tag.reversed);
}

// The entry of (key, record) found by searching; where it is missing, the
// first entry after where it would be in stored order.
Position TagNavigator::locate(PageCache& cache, const Tag& tag, const std::string& key, std::uint32_t record)
{
    confirm(cache, tag, key, record);
    const TagTree tree = treeOf(cache, tag);
    const Position position =
        tree.findFirst([&](const Entry& e) { return tag.order.compareInTagOrder(e, key, record) >= 0; });
    const bool found = position.isValid() && position.entry().record == record && position.entry().key == key;
    if (found || !tag.order.isDescending())
        return position;
    return locateInRun(cache, tree, tag, key, record);
}

// Other programs may keep the equal keys of a descending tag in either
// record order, so where the search by record misses, the record is looked
// for along its run of equal keys; a record missing from the run is placed
// after it.
Position TagNavigator::locateInRun(PageCache& cache, const TagTree& tree, const Tag& tag, const std::string& key,
                                   std::uint32_t record) const
{
    Position position = tree.findFirst([&](const Entry& e) { return compareStoredKeys(tag, e.key, key) >= 0; });
    PageBudget leaves(cache);
    while (position.isValid() && position.entry().key == key) {
        if (position.entry().record == record)
            return position;
        const std::uint32_t leaf = position.leaf->offset;
        if (!tree.next(position))
            return {};
        if (position.leaf->offset != leaf)
            leaves.spend(position.leaf->offset);
    }
    return position;
}

// Within a run of equal keys of a descending tag the record numbers cannot
// show a sibling chain that leads back, so a walk through the run must not
// meet a record twice.
void TagNavigator::noteStep(const Tag& tag, const std::string& fromKey, std::uint32_t fromRecord, bool forward,
                            const Position& to)
{
    if (!tag.order.isDescending() || to.entry().key != fromKey) {
        forgetRun();
        return;
    }
    if (runRecords_.empty() || forward != runForward_ || fromRecord != lastRunRecord_) {
        runRecords_ = {fromRecord};
        runForward_ = forward;
    }
    lastRunRecord_ = to.entry().record;
    if (!runRecords_.insert(lastRunRecord_).second)
        throw CorruptIndex("record " + std::to_string(lastRunRecord_) + " met twice among equal keys");
}

std::uint32_t TagNavigator::storedStep(PageCache& cache, const Tag& tag, const KeyRange& range,
                                       const std::string& key, std::uint32_t record, bool forward)
{
    countStep(cache, record, forward);
    const TagTree tree = treeOf(cache, tag);
    const bool fromEntry = isAtAnswer(cache, tag, key, record);
    Position position = fromEntry ? remembered_ : locate(cache, tag, key, record);
    if (forward) {
        if (!position.isValid())
            return 0;
        const Entry& at = position.entry();
        if (at.record == record && at.key == key && !tree.next(position))
            return 0;
    } else {
        if (!position.isValid())
            return answer(cache, tag, range, tree.last());
        if (!tree.prior(position))
            return 0;
    }
    // After a search, a step that does not move on in key order has met a
    // sibling chain that leads back. From the entry itself the chain alone
    // decides, so keys out of order there were stored by another collation;
    // walks still end by the step count.
    const bool descending = tag.order.isDescending();
    const int moved = descending ? compareStoredKeys(tag, position.entry().key, key)
                                 : tag.order.compareInTagOrder(position.entry(), key, record);
    if (!(descending && moved == 0) && (forward ? moved <= 0 : moved >= 0)) {
        if (!fromEntry)
            throw CorruptIndex(std::string("entries out of order ") + (forward ? "after" : "before") + " record " +
                               std::to_string(record));
        if (std::ranges::find(foreignTags_, tag.headerOffset) == foreignTags_.end())
            foreignTags_.push_back(tag.headerOffset);
        if (range.isSet())
            throw ForeignOrder(tag.name);
    }
    noteStep(tag, key, record, forward, position);
    return answer(cache, tag, range, position);
}

std::uint32_t TagNavigator::next(PageCache& cache, const Tag& tag, const KeyRange& range, const std::string& key,
                                 std::uint32_t record)
{
    return storedStep(cache, tag, range, key, record, !tag.reversed);
}

std::uint32_t TagNavigator::prior(PageCache& cache, const Tag& tag, const KeyRange& range, const std::string& key,
                                  std::uint32_t record)
{
    return storedStep(cache, tag, range, key, record, tag.reversed);
}

Found TagNavigator::seek(PageCache& cache, const Tag& tag, const KeyRange& range, const std::string& searchKey,
                         bool nearest)
{
    forgetRun();
    walkSteps_ = 0;
    const TagTree tree = treeOf(cache, tag);
    // In tag order the wanted entry is the first that is not before the key;
    // a reversed tag finds it from the other end of its stored order.
    const Position position =
        tag.reversed ? lastNotAbove(tree, tag, searchKey) : tree.findFirst([&](const Entry& e) {
            const int order = tag.order.compareWithSearch(e.key, searchKey);
            return tag.order.isDescending() ? order <= 0 : order >= 0;
        });
    requireCollationOrder(tree, tag, position);
    if (!position.isValid())
        return {};
    const bool matched = tag.order.compareWithSearch(position.entry().key, searchKey) == 0;
    if (!matched && !nearest)
        return {};
    const std::uint32_t record = answer(cache, tag, range, position);
    return {matched && record != 0, record};
}

} // namespace tarvela::cdx
