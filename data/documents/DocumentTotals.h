// The totals of an invoice or credit-note header and how they are summed from
// the document's rows and document discounts. Pure arithmetic: reading the
// tables is TData's HlaHod. Bases and VAT stay unrounded; only a discount's
// VAT is rounded up to tenths and the total up to whole units.
#pragma once

#include "data/company/MerkanSettings.h"

namespace tarvela {

inline constexpr int kInvoiceKind = 5;     // header in Faktury
inline constexpr int kCreditNoteKind = 7;  // header in Dobropisy

struct DocumentTotals {
    double costTotal = 0;           // HLA_NCA
    double total = 0;               // HLA_CUH
    double basicBase = 0;           // HLA_Z22, basic or previous basic rate
    double reducedBase = 0;         // HLA_Z05
    double zeroBase = 0;            // HLA_Z00
    double basicVat = 0;            // HLA_D22
    double reducedVat = 0;          // HLA_D05
    double roundingDifference = 0;  // HLA_FHV
    double discountsOutsideVat = 0; // HLA_SBD
};

struct DocumentDiscount {
    double amount = 0;            // FAS_SLE
    double vatRate = 0;           // FAS_DAN
    bool reducesVatBase = false;  // FAS_DPH
    bool spreadIntoItems = false; // FAS_ROZ
};

// Whether a header recomputation counts the discount in HLA_SBD: it neither
// reduces the VAT base nor is spread into the item prices.
bool isKeptApart(const DocumentDiscount& discount);

// One card-and-variant row: its selling value (net at price basis 1, gross at
// 2), its VAT rate and its cost. A rate that is none of the settings' rates
// adds to the cost only.
void addRowToTotals(DocumentTotals& totals, double sellingValue, double vatRate, double cost,
                    const MerkanSettings& settings);

// A discount on the whole document.
void addDiscountToTotals(DocumentTotals& totals, const DocumentDiscount& discount,
                         const MerkanSettings& settings);

// Total to pay and rounding difference from the bases, VAT and discounts.
void finishTotals(DocumentTotals& totals);

} // namespace tarvela
