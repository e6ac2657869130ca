// Documents (HLA_OBC) and split rows (DPR_OBC) that name a salesman missing
// from Obchodnici. A header without a salesman names none; a split row
// without one is a finding, since it gives its share to nobody.
#pragma once

#include "data/verify/CompanyBooks.h"
#include "data/verify/Finding.h"

namespace tarvela {

Findings checkSalesmenExist(const CompanyBooks& books);

} // namespace tarvela
