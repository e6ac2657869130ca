// Reads the current record of FaktSlevy as a document discount.
#pragma once

#include "data/documents/DocumentTotals.h"

namespace tarvela {

class DbfTable;

DocumentDiscount readDiscount(const DbfTable& faktSlevy);

} // namespace tarvela
