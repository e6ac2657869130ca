// One stock-journal line of a document as the commission sees it: amounts
// negated, so that what was sold on an invoice comes out positive and what a
// credit note takes back comes out negative.
#pragma once

#include <string>

namespace tarvela {

class DbfTable;

struct JournalLine {
    std::string card;       // DEN_KAV
    std::string variant;    // DEN_IND
    std::string operation;  // DEN_OPE
    double quantity = 0;    // -DEN_KUS
    double value = 0;       // -DEN_HPC
    double cost = 0;        // -DEN_HNC
    double vatRate = 0;     // DEN_DAN
    double vat() const { return value * vatRate / 100; }
};

// The current record of Denik.
JournalLine readJournalLine(const DbfTable& denik);

} // namespace tarvela
