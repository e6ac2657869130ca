#include "DemoTotals.h"

#include <map>

namespace tarvela::demo {

namespace {

// The rows of one card and variant are summed first and take the rate of
// their first row, as the program's item collection does.
struct CardSum {
    double selling = 0;
    double cost = 0;
    double rate = 0;
};

} // namespace

DocumentTotals computeTotals(const std::vector<TotalsRow>& rows, const std::vector<DocumentDiscount>& discounts)
{
    const MerkanSettings settings;  // the demo's Merkan.ini keeps every default
    std::vector<std::string> order;
    std::map<std::string, CardSum> sums;
    for (const TotalsRow& row : rows) {
        const auto [at, added] = sums.try_emplace(row.cardAndVariant, CardSum{0, 0, row.vatRate});
        if (added)
            order.push_back(row.cardAndVariant);
        at->second.selling += row.net + row.net / 100 * row.vatRate;
        at->second.cost += row.cost;
    }
    DocumentTotals totals;
    for (const std::string& key : order) {
        const CardSum& sum = sums[key];
        addRowToTotals(totals, sum.selling, sum.rate, sum.cost, settings);
    }
    for (const DocumentDiscount& discount : discounts)
        addDiscountToTotals(totals, discount, settings);
    finishTotals(totals);
    return totals;
}

} // namespace tarvela::demo
