// The FoxPro encoding of numeric and date index keys: 8 bytes whose plain
// byte order is the order of the values. Dates are Julian day numbers; an
// empty date is 0 and sorts before every real date.
#pragma once

#include <optional>
#include <string>

#include "platform/Date.h"

namespace tarvela::cdx {

constexpr int kNumericKeyLength = 8;
constexpr DayNumber kJulianDayOfDayZero = 2415019;

std::string encodeNumberKey(double value);
double decodeNumberKey(const std::string& key);

// nullopt is the empty date.
std::string encodeDateKey(std::optional<DayNumber> day);
std::optional<DayNumber> decodeDateKey(const std::string& key);

} // namespace tarvela::cdx
