#include "data/documents/DocumentItems.h"

#include <algorithm>

namespace tarvela {

ItemLine itemLineOf(int kind, int quantity, double netValue, double cost, double vatRate, int priceBasis)
{
    const double sign = kind == kInvoiceKind ? -1.0 : 1.0;
    const double net = sign * netValue;
    const double vat = net / 100 * vatRate;
    return {sign * quantity, priceBasis == 1 ? net : net + vat, sign * cost, vatRate, vat};
}

void addItemLine(std::vector<ItemSum>& items, const std::string& card, const std::string& variant,
                 const ItemLine& line)
{
    const auto found = std::ranges::find_if(
        items, [&](const ItemSum& item) { return item.card == card && item.variant == variant; });
    if (found == items.end()) {
        items.push_back({card, variant, line});
        return;
    }
    found->sum.quantity += line.quantity;
    found->sum.sellingValue += line.sellingValue;
    found->sum.cost += line.cost;
    found->sum.vat += line.vat;
}

DocumentTotals totalsOf(const std::vector<ItemSum>& items, const std::vector<DocumentDiscount>& discounts,
                        const MerkanSettings& settings)
{
    DocumentTotals totals;
    for (const ItemSum& item : items)
        addRowToTotals(totals, item.sum.sellingValue, item.sum.vatRate, item.sum.cost, settings);
    for (const DocumentDiscount& discount : discounts)
        addDiscountToTotals(totals, discount, settings);
    finishTotals(totals);
    return totals;
}

} // namespace tarvela
