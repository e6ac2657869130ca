// The commission of one DokladObsahFak row, recomputed from its running sums
// after every journal line, so a share applied afterwards counts once. The
// row must be in append or edit state.
#pragma once

#include "commission/CommissionTerms.h"
#include "data/mem/MemTable.h"

namespace tarvela {

// Actual discount in whole percent of the price-list value, halves to even;
// 0 when the row has no price-list value.
double actualDiscount(const MemTable& row);

// Type "001": the group rate, reduced by the coefficient for every percent of
// discount above the limit (no lower bound).
void applyGroupRule(MemTable& row, double discountLimit, double reductionCoefficient);
// Type "002": the fixed rate of the split record.
void applyFixedRule(MemTable& row, double fixedRate);
// Commission cards: the card's rate whatever the discount.
void applyCardRule(MemTable& row);
// Applies the rule of the terms' type; other types leave the row's rate alone.
void applyTypeRule(MemTable& row, const CommissionTerms& terms);
// The salesman's shares of commission and turnover.
void applyShare(MemTable& row, double commissionShare, double turnoverShare);

} // namespace tarvela
