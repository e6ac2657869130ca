#include "data/documents/DocumentTotals.h"

#include "data/documents/Rounding.h"

namespace tarvela {

namespace {

bool isBasicRate(double rate, const MerkanSettings& settings)
{
    const double whole = RoundHalfEven(rate);
    return whole == settings.basicRate || whole == settings.previousBasicRate;
}

// Lowers (or raises, with negative amounts) the base and VAT of the rate.
void addToRate(DocumentTotals& totals, double rate, double base, double vat,
               const MerkanSettings& settings)
{
    if (isBasicRate(rate, settings)) {
        totals.basicBase += base;
        totals.basicVat += vat;
    }
    if (rate == settings.reducedRate) {
        totals.reducedBase += base;
        totals.reducedVat += vat;
    }
    if (rate == settings.zeroRate)
        totals.zeroBase += base;
}

} // namespace

bool isKeptApart(const DocumentDiscount& discount)
{
    return !discount.reducesVatBase && !discount.spreadIntoItems;
}

void addRowToTotals(DocumentTotals& totals, double sellingValue, double vatRate, double cost,
                    const MerkanSettings& settings)
{
    const double gross = settings.priceBasis == 1 ? sellingValue + vatRate * (sellingValue / 100)
                                                  : sellingValue;
    const double net = settings.priceBasis == 1 ? sellingValue : sellingValue / (vatRate / 100 + 1);
    totals.costTotal += cost;
    addToRate(totals, vatRate, net, gross - net, settings);
}

void addDiscountToTotals(DocumentTotals& totals, const DocumentDiscount& discount,
                         const MerkanSettings& settings)
{
    if (!discount.reducesVatBase) {
        totals.discountsOutsideVat += discount.amount;
        return;
    }
    if (discount.spreadIntoItems)
        return;  // already in the item prices
    const double amount = discount.amount;
    const double rate = discount.vatRate;
    double base = amount;
    double vat = 0;
    if (settings.priceBasis == 1) {
        vat = RoundUpTenth(rate * (amount / 100));
    } else {
        vat = RoundUpTenth(amount - amount / (rate / 100 + 1));
        base = amount - vat;
    }
    addToRate(totals, rate, -base, -vat, settings);
}

void finishTotals(DocumentTotals& totals)
{
    const double unrounded = totals.zeroBase + totals.basicBase + totals.reducedBase
                             + totals.reducedVat + totals.basicVat - totals.discountsOutsideVat;
    totals.total = RoundUpUnit(unrounded);
    totals.roundingDifference = RoundUpUnit(unrounded) - unrounded;
}

} // namespace tarvela
