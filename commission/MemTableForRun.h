// A report run's memory table: opened and emptied when the run starts,
// closed (its rows dropped) when the run ends, however it ends.
#pragma once

#include "data/mem/MemTable.h"

namespace tarvela {

class MemTableForRun {
public:
    explicit MemTableForRun(MemTable& table) : table_(table)
    {
        table_.open();
        table_.removeAllRows();
    }
    ~MemTableForRun() { table_.close(); }
    MemTableForRun(const MemTableForRun&) = delete;
    MemTableForRun& operator=(const MemTableForRun&) = delete;

private:
    MemTable& table_;
};

} // namespace tarvela
