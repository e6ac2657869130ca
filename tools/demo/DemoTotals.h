// The header totals of a demo document, summed the way the program sums
// them (prices with VAT, the rates of the demo's Merkan.ini), so that a
// recomputation by the program finds them unchanged.
#pragma once

#include <string>
#include <vector>

#include "data/documents/DocumentTotals.h"

namespace tarvela::demo {

// One journal row as a positive amount: what was sold or credited.
struct TotalsRow {
    std::string cardAndVariant;
    double net;   // at selling prices without VAT
    double cost;
    double vatRate;
};

DocumentTotals computeTotals(const std::vector<TotalsRow>& rows, const std::vector<DocumentDiscount>& discounts);

} // namespace tarvela::demo
