// Navigation in one tag's order within a key range: first, last, the entry
// after or before a given (key, record), and seeks. Results are record
// numbers, 0 when off the end. Remembers the last position and reuses it
// while the page cache is unchanged, so a walk need not descend every time.
// A tag that is stored in the other direction than its flag says is walked
// backward. A damaged tag ends every operation in CorruptIndex, never in an
// endless walk: a record whose key no longer matches the entry it was found
// by, and a walk longer than the file could hold, both count as damage.
// A tag whose keys another program stored in another collation is walked in
// its stored order; a seek or key range on it ends in ForeignOrder.
// Caller holds the index lock.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "data/cdx/KeyRange.h"
#include "data/cdx/Tag.h"
#include "data/cdx/TagTree.h"

namespace tarvela::cdx {

struct Found {
    bool matched = false;
    std::uint32_t record = 0;
};

class TagNavigator {
public:
    std::uint32_t first(PageCache& cache, const Tag& tag, const KeyRange& range);
    std::uint32_t last(PageCache& cache, const Tag& tag, const KeyRange& range);
    std::uint32_t next(PageCache& cache, const Tag& tag, const KeyRange& range, const std::string& key,
                       std::uint32_t record);
    std::uint32_t prior(PageCache& cache, const Tag& tag, const KeyRange& range, const std::string& key,
                        std::uint32_t record);
    // Prefix seek: the first entry in tag order whose key begins with
    // searchKey; with a full-length key that is an exact seek. nearest: else
    // the entry that follows in tag order.
    Found seek(PageCache& cache, const Tag& tag, const KeyRange& range, const std::string& searchKey, bool nearest);
    // Whether record was the last answer, the file has not changed since, and
    // its key is no longer the one its entry holds: the entry is stale.
    bool contradicts(const PageCache& cache, const Tag& tag, const std::string& key, std::uint32_t record) const;
    // Throws CorruptIndex when it contradicts.
    void confirm(const PageCache& cache, const Tag& tag, const std::string& key, std::uint32_t record) const;
    // Whether record with this key was the last answer; needs no lock.
    bool wasAnswered(const std::string& key, std::uint32_t record) const;
    void forget();

private:
    // The same operations in stored order.
    std::uint32_t storedEdge(PageCache& cache, const Tag& tag, const KeyRange& range, bool front);
    std::uint32_t storedStep(PageCache& cache, const Tag& tag, const KeyRange& range, const std::string& key,
                             std::uint32_t record, bool forward);
    std::uint32_t answer(PageCache& cache, const Tag& tag, const KeyRange& range, const Position& position);
    Position locate(PageCache& cache, const Tag& tag, const std::string& key, std::uint32_t record);
    Position locateInRun(PageCache& cache, const TagTree& tree, const Tag& tag, const std::string& key,
                         std::uint32_t record) const;
    void forgetRun();
    void countStep(const PageCache& cache, std::uint32_t record, bool forward);
    bool isAtAnswer(const PageCache& cache, const Tag& tag, const std::string& key, std::uint32_t record) const;
    // Refuses a search on a tag seen out of the collation order, and a search
    // that lands between neighbours out of that order.
    void requireCollationOrder(const TagTree& tree, const Tag& tag, const Position& found) const;
    void noteStep(const Tag& tag, const std::string& fromKey, std::uint32_t fromRecord, bool forward,
                  const Position& to);
    // Entries are in stored order; "below" is the side of smaller keys.
    Position firstNotBelow(const TagTree& tree, const Tag& tag, const std::string& bound) const;
    Position lastNotAbove(const TagTree& tree, const Tag& tag, const std::string& bound) const;

    Position remembered_;
    std::uint64_t rememberedGeneration_ = 0;
    std::uint32_t rememberedHeader_ = 0;
    // Records met in the current run of equal keys of a descending tag,
    // where the record order cannot show a cycle of pointers.
    std::unordered_set<std::uint32_t> runRecords_;
    bool runForward_ = true;
    std::uint32_t lastRunRecord_ = 0;
    // Steps of the current walk in one direction.
    std::uint64_t walkSteps_ = 0;
    bool walkForward_ = true;
    // Header offsets of tags whose walk met keys out of the collation order.
    std::vector<std::uint32_t> foreignTags_;
};

} // namespace tarvela::cdx
