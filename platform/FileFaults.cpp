#include "platform/FileFaults.h"

#include <array>
#include <cerrno>

namespace tarvela {

namespace {

struct Faults {
    std::array<int, 4> counts{};
    FileOperation armed = FileOperation::Write;
    int nth = 0;  // 0: nothing armed
    int error = 0;
};

Faults& faults()
{
    static Faults state;
    return state;
}

} // namespace

bool injectedFailure(FileOperation operation)
{
    Faults& state = faults();
    const int count = ++state.counts[static_cast<int>(operation)];
    if (state.nth == 0 || operation != state.armed || count != state.nth)
        return false;
    errno = state.error;
    return true;
}

void armFileFault(FileOperation operation, int nth, int error)
{
    faults() = Faults{{}, operation, nth, error};
}

void disarmFileFaults()
{
    faults() = Faults{};
}

int fileOperationCount(FileOperation operation)
{
    return faults().counts[static_cast<int>(operation)];
}

} // namespace tarvela
