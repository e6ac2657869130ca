#include "support/FaultSweep.h"

#include <gtest/gtest.h>

#include "platform/Error.h"

namespace tarvela::test {

int sweepFileFaults(FileOperation kind, int error, const std::function<void()>& prepare,
                    const std::function<void()>& operation, const std::function<void(const FaultRun&)>& check)
{
    prepare();
    disarmFileFaults();
    operation();
    const int count = fileOperationCount(kind);
    for (int n = 1; n <= count; ++n) {
        prepare();
        armFileFault(kind, n, error);
        FaultRun run{n, false};
        try {
            operation();
        } catch (const Error& failure) {
            run.failed = true;
            EXPECT_FALSE(std::string(failure.what()).empty());
        }
        disarmFileFaults();
        check(run);
    }
    return count;
}

} // namespace tarvela::test
