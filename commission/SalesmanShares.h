// What one salesman gets of one document in the settlement reports: the
// document's own salesman gets everything at type "001", anybody else
// nothing, unless a split record of exactly that document and salesman says
// otherwise. Only split records whose numbers equal the sought ones count.
#pragma once

#include <string>
#include <vector>

#include "data/documents/SplitShare.h"

namespace tarvela {

struct DocumentHeader;

struct SalesmanShares {
    double commission = 0;  // fraction, 1 = 100 %
    double turnover = 0;
    std::string type;       // commission type shown
};

SalesmanShares sharesOf(const DocumentHeader& header, const std::vector<SplitShare>& splits,
                        const std::string& salesman);

// The salesmen a document may count for: its own and those of its split
// records, each once, in that order.
std::vector<std::string> candidateSalesmen(const DocumentHeader& header, const std::vector<SplitShare>& splits);

} // namespace tarvela
