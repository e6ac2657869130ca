// One thing the company data check found that would make the commission
// reports wrong: what kind of fault, in which file, at which document or
// record, and what is wrong with the figures, so a person can act on it.
#pragma once

#include <string>
#include <vector>

namespace tarvela {

enum class FindingKind {
    Totals,           // a header's totals differ from its items
    PaidState,        // a header's paid flag, sum or date differ from its payments
    MissingDocument,  // a payment, discount or split row of no document
    SplitShares,      // a document's split shares do not add up to 100 %
    UnknownSalesman,  // a document or split row names no salesman of Obchodnici
    CardGroup,        // a card without a product group
    Index,            // an index file that does not check clean
};

struct Finding {
    FindingKind kind;
    std::string file;    // e.g. "Fak0001.DBF"
    std::string where;   // the document number, card or tag
    std::string detail;  // the figures

    bool operator==(const Finding&) const = default;
};

using Findings = std::vector<Finding>;

// The kind as the report shows it, e.g. "totals".
const char* kindName(FindingKind kind);

} // namespace tarvela
