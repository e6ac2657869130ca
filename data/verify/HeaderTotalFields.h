// The fields of an invoice or credit-note header that hold the document's
// totals, each with the total a header recomputation stores in it. HLA_SBD
// holds only the discounts kept apart (see isKeptApart), not every discount
// outside the VAT base.
#pragma once

#include "data/documents/DocumentTotals.h"

namespace tarvela {

struct TotalField {
    const char* name;
    double DocumentTotals::*member;
};

inline constexpr TotalField kHeaderTotalFields[] = {
    {"HLA_CUH", &DocumentTotals::total},      {"HLA_FHV", &DocumentTotals::roundingDifference},
    {"HLA_NCA", &DocumentTotals::costTotal},  {"HLA_Z22", &DocumentTotals::basicBase},
    {"HLA_D22", &DocumentTotals::basicVat},   {"HLA_Z05", &DocumentTotals::reducedBase},
    {"HLA_D05", &DocumentTotals::reducedVat}, {"HLA_Z00", &DocumentTotals::zeroBase},
    {"HLA_SBD", &DocumentTotals::discountsOutsideVat},
};

} // namespace tarvela
