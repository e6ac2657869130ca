// Opens a table for one operation unless it is open already, and closes it
// when the operation ends, also when it fails; a table found open stays open.
#pragma once

#include <functional>

namespace tarvela {

class DbfTable;

class ScopedTableOpen {
public:
    // `open` and `close` are the data module's operations for the table
    // (OpenDen and CloseDenik, ...), or the table's own.
    ScopedTableOpen(DbfTable& table, const std::function<void()>& open, std::function<void()> close);
    ~ScopedTableOpen();
    ScopedTableOpen(const ScopedTableOpen&) = delete;
    ScopedTableOpen& operator=(const ScopedTableOpen&) = delete;

    bool openedHere() const { return openedHere_; }

private:
    std::function<void()> close_;
    bool openedHere_ = false;
};

} // namespace tarvela
