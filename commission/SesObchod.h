// The memory table of the sales by salesman: one row per salesman code with
// the sums of his share of every document's amounts, credit notes subtracted.
// Its unique index "Obc" keeps the rows in ascending order of the code.
#pragma once

#include <string>

#include "commission/DocumentAmounts.h"
#include "data/mem/MemTable.h"

namespace tarvela {

MemTable makeSesObchod();

// Adds the amounts to the salesman's row, appending it when missing. The
// table must be open.
void addToSesObchod(MemTable& table, const std::string& salesman, const DocumentAmounts& amounts);

} // namespace tarvela
