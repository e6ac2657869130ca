// Counts the file calls that wait for the file server when the data folder
// lies on a network share: every lock, unlock, read, write and sync of a
// shared file. Benchmarks and the tools read the counts, and can make every
// counted call wait as long as a round trip to a server would, so that the
// cost of a run on a share shows on a local disk too.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace tarvela {

enum class RoundTrip { Lock, Unlock, Read, Write, Sync };

struct RoundTripCounts {
    std::uint64_t locks = 0;
    std::uint64_t unlocks = 0;
    std::uint64_t reads = 0;
    std::uint64_t writes = 0;
    std::uint64_t syncs = 0;
    std::uint64_t bytesRead = 0;

    std::uint64_t total() const { return locks + unlocks + reads + writes + syncs; }
    // The round trips with every 64 KB read counted as one more, since on
    // a share a long read waits for its bytes as well.
    std::uint64_t weighted() const { return total() + bytesRead / 65536; }
    RoundTripCounts operator-(const RoundTripCounts& earlier) const;
};

void countRoundTrip(RoundTrip kind, std::uint64_t bytesRead = 0);
RoundTripCounts roundTripCounts();

// Called after every counted call of this thread while set; a read batch
// uses it to let go of locks whose share of round trips is spent.
using RoundTripObserver = void (*)(std::uint64_t weightedRoundTrips);
void observeRoundTrips(RoundTripObserver observer);

// Every counted call sleeps this long from now on; zero switches it off.
void simulateRoundTripDelay(std::chrono::microseconds delay);

// "round trips 1234 (locks 10, unlocks 10, reads 1200, writes 14, syncs 0), 5.2 MB read"
std::string describeRoundTrips(const RoundTripCounts& counts);

// For the command-line tools: with TARVELA_ROUND_TRIPS set in the
// environment, the counts of the whole run go to standard error at exit;
// TARVELA_ROUND_TRIP_DELAY (microseconds) simulates a server that far away.
void applyRoundTripEnvironment();

} // namespace tarvela
