// Every index file of the company checked against its table, as
// `tarvela-dbf check` checks one: a finding per tag that is not sound, and
// one for an index file that is missing or cannot be read as an index at
// all. Tables of the catalogue that are not in the data folder are skipped;
// a table that exists but cannot be read throws an Error naming it.
#pragma once

#include "data/company/MerkanSettings.h"
#include "data/verify/Finding.h"

namespace tarvela {

class TableRunProgress;

// Every index file of the catalogue counts as one table for progress.
Findings checkCompanyIndexes(const MerkanSettings& settings, TableRunProgress* progress = nullptr);

} // namespace tarvela
