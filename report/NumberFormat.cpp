#include "report/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/RegionalSettings.h"

namespace tarvela {

namespace {

constexpr int kSignificantDigits = 15;

std::string specialValue(double value)
{
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// Digits of |value| rounded half away from zero to `decimals` places, with
// '.' as the point, from the value's 15-significant-digit decimal form.
std::string roundedDigits(double value, int decimals)
{
    char buffer[64];
    *std::to_chars(buffer, buffer + sizeof buffer - 1, std::fabs(value), std::chars_format::scientific,
                   kSignificantDigits - 1)
         .ptr = '\0';
    int integerDigits = std::atoi(std::strchr(buffer, 'e') + 1) + 1;
    std::string digits;
    digits.reserve(size_t(std::max(integerDigits, 1) + std::max(decimals, 0) + kSignificantDigits + 2));
    if (integerDigits < 1) {
        digits.append(size_t(1 - integerDigits), '0');
        integerDigits = 1;
    }
    digits.push_back(buffer[0]);
    digits.append(buffer + 2, kSignificantDigits - 1);
    const size_t kept = size_t(integerDigits + decimals);
    if (digits.size() < kept + 1)
        digits.append(kept + 1 - digits.size(), '0');
    const bool roundUp = digits[kept] >= '5';
    digits.resize(kept);
    for (size_t i = kept; roundUp && i-- > 0;) {
        if (digits[i] == '9') {
            digits[i] = '0';
            if (i == 0) {
                digits.insert(0, 1, '1');
                ++integerDigits;
            }
        } else {
            ++digits[i];
            break;
        }
    }
    size_t start = 0;  // leading zeros of the integer part go, one digit stays
    while (start + 1 < size_t(integerDigits) && digits[start] == '0')
        ++start;
    std::string result(digits, start, size_t(integerDigits) - start);
    if (decimals == 0)
        return result;
    result += '.';
    result.append(digits, size_t(integerDigits));
    return result;
}

std::string withSeparator(std::string text)
{
    for (char& c : text)
        if (c == '.')
            c = decimalSeparator();
    return text;
}

} // namespace

std::string formatFixed(double value, int width, int decimals)
{
    const bool finite = std::isfinite(value);
    const std::string text = finite ? roundedDigits(value, decimals) : specialValue(value);
    const bool negative = finite && value < 0 && text.find_first_not_of("0.") != std::string::npos;
    const size_t length = text.size() + (negative ? 1 : 0);
    std::string result;
    result.reserve(std::max(length, size_t(std::max(width, 0))));
    if (int(length) < width)
        result.append(size_t(width) - length, ' ');
    if (negative)
        result += '-';
    for (const char c : text)
        result += finite && c == '.' ? decimalSeparator() : c;
    return result;
}

std::string trimmedLeft(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string formatPlain(double value)
{
    if (!std::isfinite(value))
        return specialValue(value);
    if (value == 0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", kSignificantDigits, value);
    std::string text = buffer;
    const auto e = text.find('e');
    if (e != std::string::npos) {
        const int exponent = std::atoi(text.c_str() + e + 1);
        text = text.substr(0, e) + "E" + std::to_string(exponent);
    }
    return withSeparator(text);
}

} // namespace tarvela
