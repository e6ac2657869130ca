#include "data/table/LockRecordWithRetry.h"

#include <chrono>
#include <filesystem>
#include <thread>

namespace tarvela {

namespace {
constexpr int kAttempts = 10;
// The sibling system holds a record lock for a few milliseconds while it
// writes; without a pause all attempts would fall inside one such lock.
constexpr auto kPause = std::chrono::milliseconds(100);
}

bool LockRecordWithRetry(DbfTable& table, Ui& ui)
{
    bool locked = false;
    bool failed = false;
    for (int attempt = 1; attempt <= kAttempts && !locked && !failed; ++attempt) {
        try {
            locked = table.lockRecord();
        } catch (...) {
            failed = true;
        }
        ui.processEvents();
        if (!locked && !failed && attempt < kAttempts)
            std::this_thread::sleep_for(kPause);
    }
    if (!locked)
        ui.showMessage("Nelze zamknout zaznam v tabulce " + std::filesystem::path(table.filePath()).filename().string());
    return locked;
}

} // namespace tarvela
