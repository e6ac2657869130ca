// The company data check: everything in the company's tables that would
// make the commission reports wrong, as findings in the order of the checks
// (totals, payment state, rows without a document, split shares, salesmen,
// card groups, index files). Only reads; data must have been created
// (TData::DataCreate). A table that cannot be read throws an Error naming it.
#pragma once

#include "data/verify/Finding.h"

namespace tarvela {

class TData;
class TableRunProgress;

Findings checkCompany(TData& data, TableRunProgress* progress = nullptr);

} // namespace tarvela
