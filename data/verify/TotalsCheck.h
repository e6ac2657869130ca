// Headers whose stored totals differ, in whole cents, from what a header
// recomputation would store from the document's items and discounts.
#pragma once

#include "data/company/MerkanSettings.h"
#include "data/verify/CompanyBooks.h"
#include "data/verify/Finding.h"

namespace tarvela {

Findings checkHeaderTotals(const CompanyBooks& books, const MerkanSettings& settings);

} // namespace tarvela
