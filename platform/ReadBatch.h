// A stretch of work that reads many records and index entries and waits on
// nobody in between: a report run, a check of the company, one move of a
// browser. On a network share every lock and read waits for the server, so
// inside a batch an index lock may be kept from one operation to the next
// (bounded by its holder in steps and round trips), and records read in
// large blocks stay usable until the batch ends. A batch never spans a wait
// on the user: whatever asks the user something first releases every kept
// lock. Batches nest; only the outermost counts.
#pragma once

#include <cstdint>

#include "platform/SharedFile.h"

namespace tarvela {

class ReadBatch {
public:
    ReadBatch();
    ~ReadBatch();
    ReadBatch(const ReadBatch&) = delete;
    ReadBatch& operator=(const ReadBatch&) = delete;

    static bool isActive();
    // Changes at the start of every outermost batch, so that what a cache
    // kept from an earlier batch is known to be stale; 0 outside a batch.
    static std::uint64_t epoch();
};

// What a batch lets its holder keep from one operation to the next: an
// index lock, or records read in blocks.
class BatchKeeping {
public:
    virtual ~BatchKeeping() = default;
    // Lets go of what is kept; the holder takes it again when it needs it.
    virtual void releaseKept() = 0;
    // Whether it is a lock on this file.
    virtual bool locks(const FileIdentity& file) const = 0;
    // After every round trip of the batch, wherever it went: a kept lock
    // lets go once its share is spent, even while its holder is idle.
    virtual void roundTripsPassed(std::uint64_t total) { (void)total; }
};

// Registers what is now kept; it is released when the batch ends.
void keepForBatch(BatchKeeping& kept);
// The holder released it itself, or goes away.
void stopKeeping(BatchKeeping& kept);
// Before anything waits on the user, and when the batch ends.
void releaseKeptForBatch();
// Before another opening of the same file takes a lock there, which our own
// kept lock would refuse like anybody else's.
void releaseLocksKeptOn(const FileIdentity& file, const BatchKeeping* except);

} // namespace tarvela
