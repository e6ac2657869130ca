// The rules of one row of the commission split (DelProv): what a new row
// proposes, and that the fixed rate DPR_PRS counts with the commission kind
// "002" (fixed rate for the whole document) and is 0 with "001" (group
// rates); other kinds keep whatever rate they were given.
#pragma once

#include <string>

namespace tarvela {

class DbfTable;

inline constexpr const char* kGroupRatesKind = "001";
inline constexpr const char* kFixedRateKind = "002";

// Fills the row DelProv is appending: the document, kind "001", commission
// and turnover shares 100.
void presetSplitRow(DbfTable& delProv, const std::string& document);

// Sets DPR_PRS to 0 when the row's kind is "001"; run before the row is
// stored.
void settleFixedRate(DbfTable& delProv);

} // namespace tarvela
