#include "platform/RoundTrips.h"

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace tarvela {

namespace {

std::array<std::atomic<std::uint64_t>, 5> counters{};
std::atomic<std::uint64_t> bytes{0};
std::atomic<std::int64_t> delayMicroseconds{0};
thread_local RoundTripObserver observer = nullptr;

} // namespace

RoundTripCounts RoundTripCounts::operator-(const RoundTripCounts& earlier) const
{
    return {locks - earlier.locks, unlocks - earlier.unlocks, reads - earlier.reads,
            writes - earlier.writes, syncs - earlier.syncs, bytesRead - earlier.bytesRead};
}

void countRoundTrip(RoundTrip kind, std::uint64_t bytesRead)
{
    counters[static_cast<std::size_t>(kind)].fetch_add(1, std::memory_order_relaxed);
    if (bytesRead)
        bytes.fetch_add(bytesRead, std::memory_order_relaxed);
    if (const auto delay = delayMicroseconds.load(std::memory_order_relaxed); delay > 0)
        std::this_thread::sleep_for(std::chrono::microseconds(delay));
    if (observer)
        observer(roundTripCounts().weighted());
}

void observeRoundTrips(RoundTripObserver newObserver)
{
    observer = newObserver;
}

RoundTripCounts roundTripCounts()
{
    auto value = [](RoundTrip kind) { return counters[static_cast<std::size_t>(kind)].load(std::memory_order_relaxed); };
    return {value(RoundTrip::Lock), value(RoundTrip::Unlock), value(RoundTrip::Read),
            value(RoundTrip::Write), value(RoundTrip::Sync), bytes.load(std::memory_order_relaxed)};
}

void simulateRoundTripDelay(std::chrono::microseconds delay)
{
    delayMicroseconds.store(delay.count(), std::memory_order_relaxed);
}

std::string describeRoundTrips(const RoundTripCounts& counts)
{
    char text[200];
    std::snprintf(text, sizeof text,
                  "round trips %llu (locks %llu, unlocks %llu, reads %llu, writes %llu, syncs %llu), %.1f MB read",
                  static_cast<unsigned long long>(counts.total()), static_cast<unsigned long long>(counts.locks),
                  static_cast<unsigned long long>(counts.unlocks), static_cast<unsigned long long>(counts.reads),
                  static_cast<unsigned long long>(counts.writes), static_cast<unsigned long long>(counts.syncs),
                  static_cast<double>(counts.bytesRead) / 1e6);
    return text;
}

void applyRoundTripEnvironment()
{
    if (const char* delay = std::getenv("TARVELA_ROUND_TRIP_DELAY"); delay && *delay)
        simulateRoundTripDelay(std::chrono::microseconds(std::strtol(delay, nullptr, 10)));
    const char* asked = std::getenv("TARVELA_ROUND_TRIPS");
    if (!asked || !*asked)
        return;
    std::atexit([] { std::fprintf(stderr, "%s\n", describeRoundTrips(roundTripCounts()).c_str()); });
}

} // namespace tarvela
