#include "data/company/ReindexLocks.h"

#include <chrono>
#include <exception>
#include <thread>

#include "data/cdx/IndexLock.h"
#include "data/table/DbfTable.h"
#include "platform/Error.h"

namespace tarvela {

namespace {
// A seek or a write of another program holds its lock for milliseconds;
// half a second tells that apart from someone working on the table.
constexpr int kTries = 6;
constexpr auto kPause = std::chrono::milliseconds(100);
}

ReindexLocks::ReindexLocks(DbfTable& table, const std::string& indexPath)
    : table_(table), indexByte_(cdx::indexLockOffset(table.lockProtocol()))
{
    const OpenStatus status = index_.open(indexPath, ShareMode::Shared);
    if (status == OpenStatus::Denied)
        throw Error(formatMessage("Access denied to file %s", indexPath));
    indexLocked_ = status == OpenStatus::Missing;
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        tableLocked_ = tableLocked_ || table_.lockTable();
        indexLocked_ = indexLocked_ || tryIndexByte();
        if (isHeld() || attempt == kTries)
            break;
        std::this_thread::sleep_for(kPause);
    }
    if (!isHeld())
        release();
}

ReindexLocks::~ReindexLocks()
{
    release();
}

bool ReindexLocks::tryIndexByte()
{
    // A read-only index file takes no write lock; a read lock still meets
    // every lock of the sibling system's, which are all exclusive.
    return index_.tryLock(indexByte_, 1, index_.isWritable() ? LockType::Write : LockType::Read);
}

void ReindexLocks::release()
{
    if (indexLocked_ && index_.isOpen())
        index_.unlock(indexByte_, 1);
    index_.close();
    indexLocked_ = false;
    if (tableLocked_) {
        try {
            table_.unlockTable();
        } catch (const std::exception&) {
            // The table is closed right after; closing releases the lock too.
        }
    }
    tableLocked_ = false;
}

} // namespace tarvela
