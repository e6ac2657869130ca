// The rules of one row of the commission split (DelProv): what a new row
// proposes, and that the fixed rate DPR_PRS counts only with the commission
// kind "002" (fixed rate for the whole document); every other kind has 0.
#pragma once

#include <string>

namespace tarvela {

class DbfTable;

inline constexpr const char* kGroupRatesKind = "001";
inline constexpr const char* kFixedRateKind = "002";

// Whether a commission kind takes its rate from DPR_PRS.
bool kindHasFixedRate(const std::string& kind);

// Fills the row DelProv is appending: the document, kind "001", commission
// and turnover shares 100.
void presetSplitRow(DbfTable& delProv, const std::string& document);

// Sets DPR_PRS to 0 unless the row's kind is "002"; run before the row is
// stored.
void settleFixedRate(DbfTable& delProv);

} // namespace tarvela
