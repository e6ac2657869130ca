// The eight amounts of a document that the turnover and the invoice overview
// show: sale and cost value, the three VAT bases, the two VAT amounts and the
// rounding difference, under the field names both memory tables give them
// (each table declares them in its own order).
#pragma once

#include <array>
#include <cstddef>

#include "data/documents/DocumentTotals.h"
#include "data/mem/MemTable.h"

namespace tarvela {

struct DocumentAmounts {
    double CelkemPC = 0;
    double CelkemNC = 0;
    double Zaklad22 = 0;
    double Zaklad05 = 0;
    double Zaklad00 = 0;
    double Dan22 = 0;
    double Dan05 = 0;
    double HalVyr = 0;

    // Every amount times the factor (a share, or -1 for a credit note).
    DocumentAmounts times(double factor) const;
    DocumentAmounts& operator+=(const DocumentAmounts& other);
    // The sale value without VAT.
    double netSales() const { return Zaklad22 + Zaklad05 + Zaklad00; }
};

DocumentAmounts amountsOf(const DocumentTotals& totals);

// On the row being appended or edited.
void setAmounts(MemTable& table, const DocumentAmounts& amounts);
// The same with the fields' positions looked up once for many rows.
using AmountPositions = std::array<std::size_t, 8>;
AmountPositions amountPositions(const MemSchema& schema);
void setAmounts(MemTable& table, const AmountPositions& positions, const DocumentAmounts& amounts);
DocumentAmounts readAmounts(const MemTable& table);

} // namespace tarvela
