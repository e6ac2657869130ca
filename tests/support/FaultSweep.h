// Runs an operation once to count its file operations of one kind, then again
// for every n with the n-th of them failing with `error`, as a full disk or a
// dropped share would make it. `check` looks at what each run left behind.
#pragma once

#include <functional>

#include "platform/FileFaults.h"

namespace tarvela::test {

struct FaultRun {
    int nth = 0;
    bool failed = false;  // the operation threw Error
};

// Returns how many runs had a failure injected.
int sweepFileFaults(FileOperation kind, int error, const std::function<void()>& prepare,
                    const std::function<void()>& operation, const std::function<void(const FaultRun&)>& check);

} // namespace tarvela::test
