#include "data/dbf/FieldCodec.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "platform/CodePage.h"
#include "platform/Error.h"

namespace tarvela {

namespace {

std::string_view trimmed(std::string_view raw)
{
    const auto begin = raw.find_first_not_of(" \0", 0, 2);
    if (begin == std::string_view::npos)
        return {};
    const auto end = raw.find_last_not_of(" \0", std::string_view::npos, 2);
    return raw.substr(begin, end - begin + 1);
}

} // namespace

std::string decodeText(std::string_view raw)
{
    const auto end = raw.find_last_not_of(' ');
    return oemToUtf8(end == std::string_view::npos ? std::string_view{} : raw.substr(0, end + 1));
}

std::string encodeText(std::string_view text, std::size_t width)
{
    std::string bytes = utf8ToOem(text);
    bytes.resize(width, ' ');
    return bytes;
}

double decodeNumber(std::string_view raw)
{
    std::string_view text = trimmed(raw);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc{} && std::isfinite(value) ? value : 0.0;
}

std::int32_t decodeInteger(std::string_view raw)
{
    const double value = std::round(decodeNumber(raw));
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, low, high));
}

std::string encodeNumber(double value, const FieldDescriptor& field)
{
    char text[400];
    const int length = std::isfinite(value) && std::fabs(value) < 1e300
                           ? std::snprintf(text, sizeof text, "%*.*f", field.width, field.decimals, value)
                           : -1;
    if (length < 0 || length > field.width) {
        const std::string message = formatMessage("Číslo %s se nevejde do pole %s", formatPlainNumber(value));
        throw Error(formatMessage(message, field.name));
    }
    std::string bytes(text, static_cast<std::size_t>(length));
    if (bytes.find_first_not_of(" -0.") == std::string::npos && bytes.find('-') != std::string::npos)
        bytes = encodeNumber(0.0, field);  // no "-0.00" in the file
    return bytes;
}

DayNumber decodeDate(std::string_view raw)
{
    if (raw.size() < 8)
        return 0;
    int parts[3] = {0, 0, 0};
    const int widths[3] = {4, 2, 2};
    std::size_t at = 0;
    for (int i = 0; i < 3; ++i) {
        const auto result = std::from_chars(raw.data() + at, raw.data() + at + widths[i], parts[i]);
        if (result.ec != std::errc{} || result.ptr != raw.data() + at + widths[i])
            return 0;
        at += static_cast<std::size_t>(widths[i]);
    }
    const CivilDate date{parts[0], parts[1], parts[2]};
    return isValidCivilDate(date) ? toDayNumber(date) : 0;
}

std::string encodeDate(DayNumber day)
{
    if (day == 0)
        return std::string(8, ' ');
    const CivilDate date = toCivilDate(day);
    if (!isValidCivilDate(date))
        throw Error(formatMessage("Datum %s nelze zapsat", std::to_string(day)));
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", date.year, date.month, date.day);
    return text;
}

bool decodeLogical(std::string_view raw)
{
    return !raw.empty() && std::string_view("TtYyJj").find(raw.front()) != std::string_view::npos;
}

std::string encodeLogical(bool value)
{
    return value ? "T" : "F";
}

std::string formatPlainNumber(double value)
{
    if (value == 0)
        return "0";
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return result.ec == std::errc{} ? std::string(text, result.ptr) : std::string("0");
}

} // namespace tarvela
