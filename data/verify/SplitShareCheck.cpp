#include "data/verify/SplitShareCheck.h"

#include <algorithm>

#include "data/documents/Rounding.h"
#include "data/verify/FindingText.h"

namespace tarvela {

namespace {

constexpr double kWhole = 100.0;

bool isWhole(double percent)
{
    return EqualInWholeCents(percent, kWhole);
}

std::string sharesDetail(const StoredHeader& header, const std::vector<SplitShare>& splits)
{
    double commission = 0;
    double turnover = 0;
    for (const SplitShare& split : splits) {
        commission += split.commission;
        turnover += split.turnover;
    }
    const bool ownSalesmanLeftOut =
        !header.salesman.empty()
        && std::ranges::none_of(splits, [&](const SplitShare& split) { return split.salesman == header.salesman; });
    std::string detail;
    if (ownSalesmanLeftOut && !isWhole(commission + kWhole))
        appendPart(detail, "DPR_PRO " + amountText(commission) + " % plus 100 % of the document's salesman "
                               + header.salesman + ", who has no split row");
    else if (!ownSalesmanLeftOut && !isWhole(commission))
        appendPart(detail, "DPR_PRO add up to " + amountText(commission) + " %");
    if (!isWhole(turnover))
        appendPart(detail, "DPR_OBR add up to " + amountText(turnover) + " %");
    return detail;
}

} // namespace

Findings checkSplitShares(const CompanyBooks& books)
{
    Findings findings;
    for (const StoredHeader& header : books.headers) {
        const std::vector<SplitShare>& splits = books.splits.of(header.number);
        if (splits.empty())
            continue;
        const std::string detail = sharesDetail(header, splits);
        if (!detail.empty())
            findings.push_back({FindingKind::SplitShares, books.splitFile, header.number, detail});
    }
    return findings;
}

} // namespace tarvela
