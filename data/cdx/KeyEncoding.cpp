#include "data/cdx/KeyEncoding.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace tarvela::cdx {

std::string encodeNumberKey(double value)
{
    if (value == 0.0 || std::isnan(value))
        value = 0.0;  // never store -0
    std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    bits = (bits >> 63) ? ~bits : (bits | (std::uint64_t(1) << 63));
    std::string key(kNumericKeyLength, '\0');
    for (int i = kNumericKeyLength - 1; i >= 0; --i, bits >>= 8)
        key[i] = static_cast<char>(bits & 0xFF);
    return key;
}

double decodeNumberKey(const std::string& key)
{
    std::uint64_t bits = 0;
    for (int i = 0; i < kNumericKeyLength && i < static_cast<int>(key.size()); ++i)
        bits = (bits << 8) | static_cast<unsigned char>(key[i]);
    bits = (bits >> 63) ? (bits & ~(std::uint64_t(1) << 63)) : ~bits;
    return std::bit_cast<double>(bits);
}

std::string encodeDateKey(std::optional<DayNumber> day)
{
    return encodeNumberKey(day ? double(*day + kJulianDayOfDayZero) : 0.0);
}

std::optional<DayNumber> decodeDateKey(const std::string& key)
{
    const double julian = decodeNumberKey(key);
    if (julian == 0.0)
        return std::nullopt;
    return static_cast<DayNumber>(std::llround(julian)) - kJulianDayOfDayZero;
}

} // namespace tarvela::cdx
