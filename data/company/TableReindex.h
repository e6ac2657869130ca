// Rebuilding the index file of one table from its catalogue entry. The new
// file is built beside the old one and takes its name only when every tag is
// built, so the sibling system never meets an index file that lacks tags.
// It runs with the table open exclusively and the protocol's table and index
// locks held; a table that another program works on is left as it is. The
// table must not be in use by anyone in this program while it runs.
#pragma once

#include <string>

namespace tarvela {

class DbfTable;
class TableRunProgress;
class Ui;
struct IndexedTable;

struct ReindexTarget {
    std::string dataDirectory;  // as configured; shown in messages as it is
    std::string tableBaseName;  // e.g. "Fak0001"
    std::string indexBaseName;  // e.g. "Fak0001"
};

// Tells the user through ui when the table file is missing, another program
// is at work on it, or the rebuild or the swap fails, and leaves the table open or closed as it found it, shared, with its
// index file attached and the same tag when it was open. True when rebuilt.
// progress, when given, gets the records done of each tag.
bool reindexTable(DbfTable& table, const IndexedTable& entry, const ReindexTarget& target, Ui& ui,
                  TableRunProgress* progress = nullptr);

} // namespace tarvela
