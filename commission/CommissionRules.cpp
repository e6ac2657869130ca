#include "commission/CommissionRules.h"

#include "data/documents/Rounding.h"

namespace tarvela {

namespace {

void setCommission(MemTable& row, double rate)
{
    row.setFloat("DOK_PSP", rate);
    row.setFloat("DOK_PSK", rate * (row.asFloat("DOK_PCC") / 100));
}

} // namespace

double actualDiscount(const MemTable& row)
{
    const double listValue = row.asFloat("DOK_PCS");
    if (listValue == 0)
        return 0;
    return RoundHalfEven((listValue - row.asFloat("DOK_PCC")) / (listValue / 100));
}

void applyGroupRule(MemTable& row, double discountLimit, double reductionCoefficient)
{
    const double discount = actualDiscount(row);
    row.setFloat("DOK_RAP", discount);
    const double baseRate = row.asFloat("DOK_PSA");
    setCommission(row, discount > discountLimit
                           ? baseRate - (discount - discountLimit) * reductionCoefficient
                           : baseRate);
}

void applyFixedRule(MemTable& row, double fixedRate)
{
    row.setFloat("DOK_RAP", 0);
    setCommission(row, fixedRate);
}

void applyCardRule(MemTable& row)
{
    row.setFloat("DOK_RAP", actualDiscount(row));
    setCommission(row, row.asFloat("DOK_PSA"));
}

void applyTypeRule(MemTable& row, const CommissionTerms& terms)
{
    if (terms.type == kGroupRateType)
        applyGroupRule(row, terms.discountLimit, terms.reductionCoefficient);
    else if (terms.type == kFixedRateType)
        applyFixedRule(row, terms.fixedRate);
}

void applyShare(MemTable& row, double commissionShare, double turnoverShare)
{
    row.setFloat("DOK_POD", commissionShare * 100);
    row.setFloat("DOK_POO", turnoverShare * 100);
    row.setFloat("DOK_PSP", row.asFloat("DOK_PSP") * commissionShare);
    row.setFloat("DOK_PSK", row.asFloat("DOK_PSK") * commissionShare);
}

} // namespace tarvela
