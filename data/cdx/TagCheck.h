// A full check of one tag: the tree's structure (pointers, depth, sibling
// chains, separators, entry order, unique keys) and, given the table, that
// every record the FOR condition admits has exactly the entry its key needs.
// Keys in another collation's order are a finding of their own.
// Never trusts the file; caller holds the index lock.
#pragma once

#include <string>
#include <vector>

#include "data/cdx/PageCache.h"
#include "data/dbf/RecordSource.h"
#include "data/cdx/Tag.h"

namespace tarvela::cdx {

struct TagCheckResult {
    std::size_t entries = 0;
    std::vector<std::string> problems;  // empty when the tag is sound
    // Keys of a unique tag that a fresh build would have: after the holder
    // of a key changes, no other record takes its place until a rebuild.
    std::size_t drift = 0;
    // Whole, but its character keys follow another collation than the
    // Czech one (an index of another program): it walks but cannot be
    // searched. Its order was checked by the collation it follows.
    bool foreignCollation = false;

    bool isSound() const { return problems.empty() && !foreignCollation; }
};

// table may be null for a structural check only.
TagCheckResult checkTag(PageCache& cache, const Tag& tag, RecordSource* table);

} // namespace tarvela::cdx
