// The memory table of the invoice overview: one row per document in the
// order the run adds them (invoices, then credit notes, each by date), with
// its totals and paid amount; credit notes carry them negated.
#pragma once

#include <vector>

#include "commission/DocumentAmounts.h"
#include "commission/ListedDocument.h"
#include "data/mem/MemTable.h"

namespace tarvela {

MemTable makeSesFakMem();

// Appends a row per document; amounts and paid sums as they are to be shown
// (amounts[i] and paid[i] belong to documents[i]). Dates that are not set
// stay empty. The table must be open.
void appendToSesFakMem(MemTable& table, const DocumentBatch& documents, const std::vector<DocumentAmounts>& amounts,
                       const std::vector<double>& paid);

// The row's date of the basis: Vystaveno, dzp or splatno.
DayNumber sesFakMemDate(const MemTable& table, DateBasis basis);

} // namespace tarvela
