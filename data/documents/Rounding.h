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

// x to a whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double x);

} // namespace tarvela
