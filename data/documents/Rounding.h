// The named roundings of the document totals and the commission rules. Each
// one is exactly what the stored totals of the sibling system were made with,
// tolerances included, so never replace one by a formatting function.
#pragma once

namespace tarvela {

// x to n decimals, halves away from zero; a result within 1e-8 of zero is 0.
double RoundHalfAway(double x, int decimals);

// Ceiling to tenths that lets 0.0005 below a tenth pass as that tenth.
double RoundUpTenth(double x);

// Ceiling to whole units that lets 0.005 below a unit pass as that unit.
double RoundUpUnit(double x);

// An amount in whole cents, halves away from zero: how amounts are compared,
// so that sums of binary fractions a hair off a cent still match it.
long long WholeCents(double amount);

// Whether two amounts agree in whole cents. An amount within binary noise of
// a half cent may have been stored rounded either way, as writers of
// two-decimal fields do, so amounts at most half a cent apart also agree.
bool EqualInWholeCents(double a, double b);

// x to a whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double x);

} // namespace tarvela
