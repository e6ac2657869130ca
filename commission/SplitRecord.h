// Finds the split record of one salesman on one document in DelProv. Only a
// record whose document number and salesman code equal the sought ones counts:
// F00012 must not take the split of F000123, nor salesman "S1" that of "S1X".
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarvela {

class DbfTable;

struct SplitRecord {
    double commissionPercent = 0;  // DPR_PRO
    double turnoverPercent = 0;    // DPR_OBR
    std::string type;              // DPR_TYP
    double fixedRate = 0;          // DPR_PRS
    std::string salesman;          // DPR_OBC
};

// Searches through the tag "DO1", attaching indexFile for the search when the
// tag is not available, so the cost does not grow with the table. The active
// tag and attached files are as before afterwards; the position is not.
// Without a usable index file the table is walked.
std::optional<SplitRecord> findSplitRecord(DbfTable& delProv, const std::string& indexFile,
                                           const std::string& document, const std::string& salesman);
// Every split record of the document, in tag order; found the same way.
std::vector<SplitRecord> splitRecordsOf(DbfTable& delProv, const std::string& indexFile,
                                        const std::string& document);

// splitRecordsOf for several documents; with the tag "DO1" active they are
// all read under one index lock.
std::vector<std::vector<SplitRecord>> splitRecordsOfDocuments(DbfTable& delProv, const std::string& indexFile,
                                                              const std::vector<std::string>& documents);

} // namespace tarvela
