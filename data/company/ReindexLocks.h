// The lock protocol's own locks that a reindexing holds on one table while
// it rebuilds and replaces the index file: the whole-table lock of the DBF
// and the index byte of the old index file. The sibling system's programs
// take no part in our emulated exclusive opening, so these are how we see
// one of them at work: a record, header, table or index lock of theirs makes
// taking them fail. Taken after the table is opened; released before it is
// closed.
#pragma once

#include <string>

#include "platform/SharedFile.h"

namespace tarvela {

class DbfTable;

class ReindexLocks {
public:
    // Tries both for a short while, never for as long as a user's edit.
    // indexPath may name no file yet (a first rebuild). Throws when the
    // index file exists but cannot be opened.
    ReindexLocks(DbfTable& table, const std::string& indexPath);
    ~ReindexLocks();
    ReindexLocks(const ReindexLocks&) = delete;
    ReindexLocks& operator=(const ReindexLocks&) = delete;

    // False when another program kept either lock through every try.
    bool isHeld() const { return tableLocked_ && indexLocked_; }

private:
    bool tryIndexByte();
    void release();

    DbfTable& table_;
    SharedFile index_;
    std::uint64_t indexByte_;
    bool tableLocked_ = false;
    bool indexLocked_ = false;
};

} // namespace tarvela
