// Product cards of Sortiment without a product group: SOR_SKU blank or not a
// group of SortiSkup, or, for a card on a document issued before the 2007
// regrouping, the same of its old group SOR_SKO. The commission of their
// items cannot be rated.
#pragma once

#include <cstddef>

#include "data/verify/Finding.h"

namespace tarvela {

class CompanyBooks;
class TData;
class TableRunProgress;

// The number of tables read, for a progress that counts them.
constexpr std::size_t kCardGroupTablesRead = 2;

Findings checkCardGroups(TData& data, const CompanyBooks& books, TableRunProgress* progress = nullptr);

} // namespace tarvela
