#include "data/verify/TotalsCheck.h"

#include "data/documents/Rounding.h"
#include "data/verify/FindingText.h"
#include "data/verify/HeaderTotalFields.h"

namespace tarvela {

namespace {

// What a header recomputation stores: HLA_SBD holds only the discounts kept
// apart, not every discount outside the VAT base.
DocumentTotals recomputedTotals(const CompanyBooks& books, const StoredHeader& header,
                                const MerkanSettings& settings)
{
    const std::vector<DocumentDiscount>& discounts = books.discountsOf(header.number);
    DocumentTotals totals = totalsOf(books.itemsOf(header.number), discounts, settings);
    totals.discountsOutsideVat = 0;
    for (const DocumentDiscount& discount : discounts)
        if (isKeptApart(discount))
            totals.discountsOutsideVat += discount.amount;
    return totals;
}

} // namespace

Findings checkHeaderTotals(const CompanyBooks& books, const MerkanSettings& settings)
{
    Findings findings;
    for (const StoredHeader& header : books.headers) {
        const DocumentTotals recomputed = recomputedTotals(books, header, settings);
        std::string detail;
        for (const TotalField& field : kHeaderTotalFields) {
            const double stored = header.totals.*field.member;
            const double fromItems = recomputed.*field.member;
            if (EqualInWholeCents(stored, fromItems))
                continue;
            appendPart(detail, std::string(field.name) + " " + amountText(stored) + ", items give "
                                   + amountText(fromItems));
        }
        if (!detail.empty())
            findings.push_back({FindingKind::Totals, header.file, header.number, detail});
    }
    return findings;
}

} // namespace tarvela
