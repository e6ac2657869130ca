// Headers whose paid flag HLA_PLA, paid sum HLA_BPL or payment date HLA_BDP
// disagree with the document's payments in Vypisy. Sums are compared in whole
// cents; the flag must say whether the payments cover HLA_CUH (isPaidInFull).
#pragma once

#include "data/verify/CompanyBooks.h"
#include "data/verify/Finding.h"

namespace tarvela {

Findings checkPaidState(const CompanyBooks& books);

} // namespace tarvela
