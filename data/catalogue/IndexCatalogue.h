// The index files of the shared data folder: for every table that is searched
// by key, its index file and the tags in the order the reindexing builds them.
// The sibling system reads the same files, so names, expressions and flags
// must stay exactly as they are here.
#pragma once

#include <string>
#include <vector>

#include "data/catalogue/FileNaming.h"

namespace tarvela {

struct IndexTagSpec {
    enum Kind { Plain, Unique, Descending };

    std::string name;
    std::string keyExpression;
    std::string forExpression;  // empty: every record
    Kind kind = Plain;
    std::string progressCaption;

    bool isUnique() const { return kind == Unique; }
    bool isDescending() const { return kind == Descending; }
};

struct IndexedTable {
    std::string member;          // the TData member, e.g. "Faktury"
    std::string indexPrefix;     // e.g. "Fak", or the whole name "Org0000"
    FileNaming naming = FileNaming::PerCompany;
    std::string failureMessage;  // shown when the table cannot be reindexed
    std::vector<IndexTagSpec> tags;

    // Base name of the index file without ".cdx", e.g. "Fak0001".
    std::string indexBaseName(const std::string& company) const;
};

// The 56 indexed tables in the order the reindexing processes them.
const std::vector<IndexedTable>& indexCatalogue();

// nullptr when the table has no index file.
const IndexedTable* findIndexedTable(const std::string& member);

// Tables of the data folder that have no index file; they are read in file
// order and searched by locating.
const std::vector<std::string>& tablesWithoutIndex();

} // namespace tarvela
