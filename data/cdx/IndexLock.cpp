#include "data/cdx/IndexLock.h"

#include <chrono>
#include <thread>

namespace tarvela::cdx {

namespace {
constexpr int Tries = 100;
constexpr auto Pause = std::chrono::milliseconds(50);
}

std::uint64_t indexLockOffset(LockProtocol protocol)
{
    return protocol == LockProtocol::Clipper ? 1000000000u : 0x7FFFFFFDu;
}

bool lockIndex(SharedFile& file, LockProtocol protocol)
{
    for (int attempt = 1; attempt <= Tries; ++attempt) {
        if (file.tryLock(indexLockOffset(protocol), 1, LockType::Write))
            return true;
        if (attempt < Tries)
            std::this_thread::sleep_for(Pause);
    }
    return false;
}

void unlockIndex(SharedFile& file, LockProtocol protocol)
{
    file.unlock(indexLockOffset(protocol), 1);
}

} // namespace tarvela::cdx
