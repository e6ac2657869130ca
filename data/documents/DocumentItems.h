// The items of a document as the totals see them: its journal lines folded
// into one sum per card and variant, in the order of their first line and
// at that line's VAT rate. Both kinds come out positive: an invoice's lines
// are stored as goods leaving the store, a credit note's as goods returning.
#pragma once

#include <string>
#include <vector>

#include "data/documents/DocumentTotals.h"

namespace tarvela {

// One journal line (DEN_KUS, DEN_HPC, DEN_HNC, DEN_DAN) as what was sold or
// credited: sellingValue is net at price basis 1 and net plus VAT at 2.
struct ItemLine {
    double quantity = 0;
    double sellingValue = 0;
    double cost = 0;
    double vatRate = 0;
    double vat = 0;
};

ItemLine itemLineOf(int kind, int quantity, double netValue, double cost, double vatRate, int priceBasis);

struct ItemSum {
    std::string card;     // DEN_KAV
    std::string variant;  // DEN_IND
    ItemLine sum;         // vatRate: that of the first line
};

// Adds the line to the sum of its card and variant, appending one when new.
void addItemLine(std::vector<ItemSum>& items, const std::string& card, const std::string& variant,
                 const ItemLine& line);

// The totals of the items and the document's discounts, in their order.
DocumentTotals totalsOf(const std::vector<ItemSum>& items, const std::vector<DocumentDiscount>& discounts,
                        const MerkanSettings& settings);

} // namespace tarvela
