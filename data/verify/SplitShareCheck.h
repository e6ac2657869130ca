// Documents whose commission split does not give away exactly 100 %. The
// settlement reports pay each salesman his split row's DPR_PRO and the
// document's own salesman 100 % when no split row names him, so those must
// add up to 100; the turnover reports divide a split document's turnover by
// the rows' DPR_OBR alone, so those must add up to 100 as well.
#pragma once

#include "data/verify/CompanyBooks.h"
#include "data/verify/Finding.h"

namespace tarvela {

Findings checkSplitShares(const CompanyBooks& books);

} // namespace tarvela
