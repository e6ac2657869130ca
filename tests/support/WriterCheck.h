// Runs the writer driver (tests/drivers) as a separate process and checks
// what it leaves: that every write its log reports as returned is in the
// table, and what the index file is worth — clean and answering every seek
// right, reported damaged by the check, or (the failure) clean but wrong.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <sys/types.h>

namespace tarvela::test {

struct WrittenRecord {
    std::string code;
    std::string name;
    std::string amount;  // as the driver printed it
    bool deleted = false;
    // A change, or a deletion, began after the last one reported.
    bool uncertain = false;
    bool deletionUncertain = false;
};

class WriterLog {
public:
    // Takes in the complete lines added to the file since the last call.
    void readNew(const std::string& path);
    const std::map<std::uint32_t, WrittenRecord>& records() const { return records_; }

private:
    std::uint64_t offset_ = 0;
    std::map<std::uint32_t, WrittenRecord> records_;
};

// The driver on the writer table in folder; milliseconds 0 runs until killed.
pid_t startWriter(const std::string& folder, const std::string& log, unsigned seed, int milliseconds,
                  const std::string& prefix, bool reindexing);

// Opens the table and reads every record; what is missing of the reported
// writes, or "" when all are there.
std::string lostWrites(const std::string& folder, const WriterLog& log);

enum class IndexVerdict { Clean, Damaged, Wrong };

// The check of the index file against the table, and when it finds nothing,
// a seek of every live record in every tag that a seek can check.
IndexVerdict judgeIndex(const std::string& folder, std::string& why);

} // namespace tarvela::test
