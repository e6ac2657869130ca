// Product cards of Sortiment without a product group: SOR_SKU blank or not a
// group of SortiSkup. The commission of their items cannot be rated.
#pragma once

#include "data/verify/Finding.h"

namespace tarvela {

class TData;

Findings checkCardGroups(TData& data);

} // namespace tarvela
