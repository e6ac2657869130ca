// Opens a table for one operation unless it is open already, and closes it
// when the operation ends, also when it fails; a table found open stays open
// as it is. The one way the program opens a table for a while.
#pragma once

#include <string>

namespace tarvela {

class DbfTable;
class TData;

class ScopedTableOpen {
public:
    // In file order, without index files.
    explicit ScopedTableOpen(DbfTable& table);
    // With the table's index file and `tag` active (TData::openTable).
    ScopedTableOpen(TData& data, DbfTable& table, const std::string& tag);
    ~ScopedTableOpen();
    ScopedTableOpen(const ScopedTableOpen&) = delete;
    ScopedTableOpen& operator=(const ScopedTableOpen&) = delete;

    bool openedHere() const { return openedHere_; }
    // The table stays open when the operation ends.
    void keepOpen() { openedHere_ = false; }

private:
    TData* data_ = nullptr;  // nullptr: opened without index files
    DbfTable& table_;
    bool openedHere_ = false;
};

} // namespace tarvela
