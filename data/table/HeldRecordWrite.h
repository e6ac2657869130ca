// Holds a shared record while it is written: whatever way the write ends,
// an unfinished edit is cancelled and the record lock is released. Take the
// lock with LockRecordWithRetry first; appended records need no lock.
#pragma once

#include "data/table/DbfTable.h"

namespace tarvela {

class HeldRecordWrite {
public:
    explicit HeldRecordWrite(DbfTable& table) : table_(table) {}
    ~HeldRecordWrite()
    {
        try {
            if (table_.state() != DbfTable::State::Browse)
                table_.cancel();
            table_.unlockRecord();
        } catch (...) {
            // Releasing must not hide the error that may be unwinding the write.
        }
    }
    HeldRecordWrite(const HeldRecordWrite&) = delete;
    HeldRecordWrite& operator=(const HeldRecordWrite&) = delete;

private:
    DbfTable& table_;
};

} // namespace tarvela
