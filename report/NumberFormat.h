// The number formats of the report layouts. All of them use the decimal
// separator of the regional settings and no thousands separator. Rounding is
// half away from zero on the value's 15-digit decimal form, so 1.005 gives
// 1.01 as a reader of the report expects.
#pragma once

#include <string>

namespace tarvela {

// printf-like "%<width>.<decimals>f": right-aligned in width characters,
// wider numbers take the room they need. "%12.2f" is formatFixed(v, 12, 2).
std::string formatFixed(double value, int width, int decimals);

// The same text without its leading spaces.
std::string trimmedLeft(const std::string& text);

// The shortest decimal form with up to 15 significant digits: 12.5 -> "12,5".
std::string formatPlain(double value);

} // namespace tarvela
