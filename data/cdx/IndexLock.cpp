#include "data/cdx/IndexLock.h"

#include <chrono>
#include <thread>

namespace tarvela::cdx {

namespace {
constexpr int kTries = 100;
constexpr auto kPause = std::chrono::milliseconds(50);
}

std::uint64_t indexLockOffset(LockProtocol protocol)
{
    return protocol == LockProtocol::Clipper ? 1000000000u : 0x7FFFFFFDu;
}

bool lockIndex(SharedFile& file, LockProtocol protocol)
{
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        if (file.tryLock(indexLockOffset(protocol), 1, LockType::Write))
            return true;
        if (attempt < kTries)
            std::this_thread::sleep_for(kPause);
    }
    return false;
}

void unlockIndex(SharedFile& file, LockProtocol protocol)
{
    file.unlock(indexLockOffset(protocol), 1);
}

} // namespace tarvela::cdx
