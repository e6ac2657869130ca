#include "commission/SalesmanShares.h"

#include <algorithm>

#include "commission/CommissionTerms.h"
#include "commission/DocumentHeader.h"
#include "data/documents/DocumentRows.h"
#include "platform/Text.h"

namespace tarvela {

SalesmanShares sharesOf(const DocumentHeader& header, const std::vector<SplitShare>& splits,
                        const std::string& salesman)
{
    SalesmanShares shares;
    if (sameNumber(header.salesman, salesman))
        shares = {1.0, 1.0, kGroupRateType};
    const auto split = std::find_if(splits.begin(), splits.end(),
                                    [&](const SplitShare& s) { return sameNumber(s.salesman, salesman); });
    if (split != splits.end())
        shares = {split->commission / 100, split->turnover / 100, split->type};
    return shares;
}

std::vector<std::string> candidateSalesmen(const DocumentHeader& header, const std::vector<SplitShare>& splits)
{
    std::vector<std::string> codes{withoutTrailingBlanks(header.salesman)};
    for (const SplitShare& split : splits) {
        std::string code = withoutTrailingBlanks(split.salesman);
        if (std::find(codes.begin(), codes.end(), code) == codes.end())
            codes.push_back(std::move(code));
    }
    return codes;
}

} // namespace tarvela
