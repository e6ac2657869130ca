// The CDX index files attached to one table: the active tag, the key range,
// navigation and seeks in tag order, and the upkeep of every tag when the
// table writes a record. Every operation that reads or changes a tag holds
// the index lock of every attached file for its duration (Clipper protocol:
// byte 1 000 000 000 of each .cdx; default protocol: 0x7FFFFFFD), taken with
// up to 100 tries 50 ms apart.
//
// Record numbers count from 1; 0 means "off the end". Keys handed in here are
// already in code page 852. Deleted records are the caller's business: the
// tags keep them and DbfTable skips them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data/dbf/FieldValue.h"
#include "data/dbf/RecordSource.h"

namespace tarvela {

class IndexSetImpl;

struct SeekResult {
    bool matched = false;
    std::uint32_t recordNumber = 0;  // 0: end of table
};

struct TagInfo {
    std::string name;
    std::string keyExpression;
    std::string forExpression;
    bool unique = false;
    bool descending = false;
};

// Called during a build: once with (0, total) before the keys are collected,
// then with (position, total) per record.
using BuildProgress = std::function<void(std::uint32_t position, std::uint32_t total)>;

class IndexSet {
public:
    explicit IndexSet(RecordSource& table);
    ~IndexSet();
    IndexSet(const IndexSet&) = delete;
    IndexSet& operator=(const IndexSet&) = delete;

    // path is the resolved file path; attaching an attached file does nothing.
    // Errors: "File %s could not be found", "Index file %s is corrupted".
    void attach(const std::string& path);
    void detach(const std::string& path);
    void detachAll();
    bool isAttached(const std::string& path) const;

    // Keeps the index locks of every attached file from construction to
    // destruction: the steps of a short walk inside share one lock instead
    // of taking one each, and see the tag as one consistent state. Other
    // workstations wait meanwhile, so nothing may wait for the user inside.
    class Hold {
    public:
        explicit Hold(IndexSet& set);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        IndexSet& set_;
    };

    // Names compared in upper case; "" returns to file order.
    // Error: "Cannot find index tag %s".
    void selectTag(const std::string& name);
    std::string activeTagName() const;
    bool hasActiveTag() const;
    // The tags as last read, when attaching or under the last lock, so that
    // counting them costs no lock: only a rebuild, done under an exclusive
    // opening, changes their number.
    int tagCount() const;
    // Tags of all attached files, file by file in directory order.
    std::vector<TagInfo> tags() const;

    // Navigation in the active tag within the key range.
    std::uint32_t first();
    std::uint32_t last();
    // The entry after / before the one of this record with these bytes.
    std::uint32_t next(std::uint32_t recordNumber, const std::string& recordBytes);
    std::uint32_t prior(std::uint32_t recordNumber, const std::string& recordBytes);

    // Seek semantics of the table layer: exact or partial, near.
    // Without an active tag: "No index is assigned for Find operation".
    SeekResult seek(const std::string& key852, bool exact, bool nearest);
    // Builds the key of the active tag from one value per field of its
    // expression (in order) and seeks it exactly.
    SeekResult seekValues(const std::vector<FieldValue>& values);
    // After a seek, with the bytes of the record it found: "Index file %s is
    // corrupted" when the record no longer has the key it was found by.
    void confirmFound(std::uint32_t recordNumber, const std::string& recordBytes);
    // The same question without the error: false where confirmFound throws.
    bool foundStillMatches(std::uint32_t recordNumber, const std::string& recordBytes);

    // Inclusive bounds, trailing blanks ignored, a bound matches every key it
    // begins. Empty bounds lift the range.
    void setKeyRange(const std::string& low852, const std::string& high852);
    void clearKeyRange();
    bool hasKeyRange() const;

    // Upkeep of every tag of every attached file. oldBytes is empty for an
    // appended record. Called while the record is written.
    void recordWritten(std::uint32_t recordNumber, const std::string& oldBytes,
                       const std::string& newBytes);
    // write() writes the record and returns its number; the index locks are
    // held from before it until every tag follows, so no reader meets the
    // record with its new key under its old entry.
    void writeRecord(const std::function<std::uint32_t()>& write, const std::string& oldBytes,
                     const std::string& newBytes);

    // Builds (or replaces) a tag of the index file at path, creating the file
    // when missing. The table must be open exclusively.
    void buildTag(const std::string& path, const std::string& tagName,
                  const std::string& keyExpression, const std::string& forExpression,
                  bool unique, bool descending, const BuildProgress& progress);

private:
    std::unique_ptr<IndexSetImpl> impl_;
};

} // namespace tarvela
