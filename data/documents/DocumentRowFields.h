// The fields of the memory tables that hold one row per card and variant of a
// document (DokladObsah for the totals, DokladObsahFak for the commission):
// names, types, labels and display formats as the screens show them.
#pragma once

#include "data/mem/MemTable.h"

namespace tarvela {

// Declares the fields in their fixed order; the commission fields (rates,
// amounts and shares) only when withCommission is set. Also declares the
// sort fields DOK_KAV;DOK_IND. The table must be closed.
void declareDocumentRowFields(MemTable& table, bool withCommission);

} // namespace tarvela
