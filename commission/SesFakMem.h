// The memory table of the invoice overview: one row per document in the
// order the run adds them (invoices, then credit notes, each by date), with
// its totals and paid amount; credit notes carry them negated.
#pragma once

#include "commission/DocumentAmounts.h"
#include "commission/ListedDocument.h"
#include "data/mem/MemTable.h"

namespace tarvela {

MemTable makeSesFakMem();

// Appends the document's row; amounts and paid sum as they are to be shown.
// Dates that are not set stay empty. The table must be open.
void appendToSesFakMem(MemTable& table, const ListedDocument& document, const DocumentAmounts& amounts,
                       double paid);

// The row's date of the basis: Vystaveno, dzp or splatno.
DayNumber sesFakMemDate(const MemTable& table, DateBasis basis);

} // namespace tarvela
