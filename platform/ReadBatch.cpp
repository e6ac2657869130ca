#include "platform/ReadBatch.h"

#include "platform/RoundTrips.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tarvela {

namespace {

struct BatchState {
    int depth = 0;
    std::uint64_t epoch = 0;
    std::uint64_t lastEpoch = 0;
    std::vector<BatchKeeping*> kept;
    bool observing = false;  // inside a round trip's notice: its own unlocks are not passed on
};

thread_local BatchState state;

void passRoundTrips(std::uint64_t total)
{
    if (state.observing || state.kept.empty())
        return;
    state.observing = true;
    for (BatchKeeping* one : std::vector<BatchKeeping*>(state.kept))
        one->roundTripsPassed(total);
    state.observing = false;
}

// Releasing calls back into stopKeeping, so the list is taken first.
void release(std::vector<BatchKeeping*> kept)
{
    for (BatchKeeping* one : kept)
        one->releaseKept();
}

} // namespace

ReadBatch::ReadBatch()
{
    if (state.depth++ == 0) {
        state.epoch = ++state.lastEpoch;
        observeRoundTrips(passRoundTrips);
    }
}

ReadBatch::~ReadBatch()
{
    if (--state.depth > 0)
        return;
    releaseKeptForBatch();
    observeRoundTrips(nullptr);
    state.epoch = 0;
}

bool ReadBatch::isActive()
{
    return state.depth > 0;
}

std::uint64_t ReadBatch::epoch()
{
    return state.epoch;
}

void keepForBatch(BatchKeeping& kept)
{
    if (std::ranges::find(state.kept, &kept) == state.kept.end())
        state.kept.push_back(&kept);
}

void stopKeeping(BatchKeeping& kept)
{
    std::erase(state.kept, &kept);
}

void releaseKeptForBatch()
{
    release(std::exchange(state.kept, {}));
}

void releaseLocksKeptOn(const FileIdentity& file, const BatchKeeping* except)
{
    std::vector<BatchKeeping*> same;
    for (BatchKeeping* one : state.kept)
        if (one != except && one->locks(file))
            same.push_back(one);
    release(same);
}

} // namespace tarvela
