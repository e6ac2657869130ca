#include "data/table/LockRecordWithRetry.h"

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/ReadBatch.h"

namespace tarvela {

namespace {
constexpr int kAttempts = 10;
// The sibling system holds a record lock for a few milliseconds while it
// writes; without a pause all attempts would fall inside one such lock.
constexpr auto kPause = std::chrono::milliseconds(100);
}

namespace {

// Pending window messages may walk the same table (a window rebuilding its
// rows when it becomes active again); the caller changes the record it
// stood on, which is the one locked.
void standOn(DbfTable& table, std::uint32_t record)
{
    if (table.isOpen() && table.state() == DbfTable::State::Browse && table.recordNumber() != record)
        table.setRecordNumber(record);
}

} // namespace

bool LockRecordWithRetry(DbfTable& table, Ui& ui)
{
    const std::uint32_t record = table.recordNumber();
    bool locked = false;
    bool failed = false;
    for (int attempt = 1; attempt <= kAttempts && !locked && !failed; ++attempt) {
        try {
            locked = table.lockRecord();
        } catch (...) {
            failed = true;
        }
        ui.processEvents();
        standOn(table, record);
        if (!locked && !failed && attempt < kAttempts) {
            // The holder may be waiting for an index lock that a batch keeps.
            releaseKeptForBatch();
            std::this_thread::sleep_for(kPause);
        }
    }
    if (!locked)
        ui.showMessage("Nelze zamknout zaznam v tabulce " + std::filesystem::path(table.filePath()).filename().string());
    return locked;
}

} // namespace tarvela
