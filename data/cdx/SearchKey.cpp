#include "data/cdx/SearchKey.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "data/cdx/Collation.h"
#include "data/cdx/KeyEncoding.h"
#include "platform/CodePage.h"
#include "platform/Text.h"

namespace tarvela::cdx {

namespace {

std::optional<double> parseNumber(std::string text)
{
    std::replace(text.begin(), text.end(), ',', '.');
    if (!text.empty() && text.front() == '+')
        text.erase(0, 1);
    double value = 0.0;
    const auto end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

std::optional<std::optional<DayNumber>> parseDate(const std::string& text)
{
    if (text.empty())
        return std::optional<DayNumber>{};
    if (const auto czech = parseCzechDate(text))
        return std::optional<DayNumber>{*czech};
    if (text.size() == 8 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        const CivilDate date{std::stoi(text.substr(0, 4)), std::stoi(text.substr(4, 2)), std::stoi(text.substr(6, 2))};
        if (isValidCivilDate(date))
            return std::optional<DayNumber>{toDayNumber(date)};
    }
    return std::nullopt;
}

std::string formatField(const FieldDescriptor& field, const FieldValue& value)
{
    std::string text;
    if (const auto* s = std::get_if<std::string>(&value)) {
        text = utf8ToOem(*s);
    } else if (const auto* number = std::get_if<double>(&value)) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%*.*f", int(field.width), int(field.decimals), *number);
        text = buffer;
    } else if (const auto* date = std::get_if<DateValue>(&value)) {
        const CivilDate civil = toCivilDate(date->day);
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", civil.year % 10000, civil.month, civil.day);
        text = buffer;
    } else {
        text = std::get<bool>(value) ? "T" : "F";
    }
    text.resize(field.width, ' ');
    return text;
}

} // namespace

std::optional<std::string> searchKey(const Tag& tag, const std::string& text852, bool exact)
{
    const Expression& expression = tag.keyExpression();
    switch (expression.type()) {
    case ValueType::Character: {
        std::string key(withoutTrailingBlanks(text852));
        if (exact && key.size() < tag.format.keyLength)
            key.resize(tag.format.keyLength, ' ');
        return key;
    }
    case ValueType::Numeric: {
        const auto number = parseNumber(trimmed(text852));
        if (!number)
            return std::nullopt;
        return encodeNumberKey(*number);
    }
    case ValueType::Date: {
        const auto date = parseDate(trimmed(text852));
        if (!date)
            return std::nullopt;
        return encodeDateKey(*date);
    }
    case ValueType::Logical:
        break;
    }
    return std::nullopt;
}

std::string keyFromValues(const Tag& tag, const std::vector<FieldValue>& values)
{
    const Expression& expression = tag.keyExpression();
    const auto& fields = expression.fieldsUsed();
    std::size_t length = 1;
    for (const auto& field : fields)
        length = std::max<std::size_t>(length, field.offset + field.width);
    std::string record(length, ' ');
    for (std::size_t i = 0; i < fields.size() && i < values.size(); ++i)
        record.replace(fields[i].offset, fields[i].width, formatField(fields[i], values[i]));
    return expression.key(record);
}

} // namespace tarvela::cdx
