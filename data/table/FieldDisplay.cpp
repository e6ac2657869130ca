#include "data/table/FieldDisplay.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "data/dbf/FieldCodec.h"
#include "data/table/DbfTable.h"
#include "platform/Error.h"
#include "platform/RegionalSettings.h"
#include "platform/Text.h"

namespace tarvela {

namespace {

constexpr const char* kMoneyFormat = "#,##0.00";
constexpr const char* kTwoDecimalsFormat = "##0.00";

const FieldDescriptor& descriptorOf(const DbfTable& table, const std::string& field)
{
    const auto& fields = table.fields();
    const auto found = std::ranges::find_if(fields, [&](const FieldDescriptor& d) {
        return equalIgnoringAsciiCase(d.name, field);
    });
    if (found == fields.end())
        throw Error(formatMessage("Field '%s' not found", field));
    return *found;
}

std::string withDecimalSeparator(std::string text)
{
    std::ranges::replace(text, '.', decimalSeparator());
    return text;
}

// Rounded on the value's decimal form, so 1.005 shows as 1,01; the whole
// part grouped by threes with `thousands` between the groups.
std::string twoDecimals(double value, const char* thousands)
{
    if (!std::isfinite(value))
        return {};
    char text[400];
    std::snprintf(text, sizeof text, "%.10f", std::fabs(value));
    const std::string digits = text;
    const auto point = digits.find('.');
    const bool roundUp = digits[point + 3] >= '5';
    const long long total = std::atoll(digits.substr(0, point).c_str()) * 100
                            + std::atoll(digits.substr(point + 1, 2).c_str()) + (roundUp ? 1 : 0);
    const std::string whole = std::to_string(total / 100);
    std::string grouped;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            grouped += thousands;
        grouped += whole[i];
    }
    const long long cents = total % 100;
    const bool negative = value < 0 && total != 0;
    char decimals[8];
    std::snprintf(decimals, sizeof decimals, "%c%02lld", decimalSeparator(), cents);
    return (negative ? "-" : "") + grouped + decimals;
}

} // namespace

std::string formatMoney(double value)
{
    return twoDecimals(value, thousandsSeparator());
}

std::string displayText(const DbfTable& table, const std::string& field)
{
    const FieldDescriptor& descriptor = descriptorOf(table, field);
    const LayoutField* layoutField = table.layout() ? table.layout()->find(field) : nullptr;
    switch (descriptor.type) {
    case 'N':
    case 'F':
        if (layoutField && layoutField->format == kMoneyFormat)
            return formatMoney(table.asFloat(field));
        if (layoutField && layoutField->format == kTwoDecimalsFormat)
            return twoDecimals(table.asFloat(field), "");
        return withDecimalSeparator(formatPlainNumber(table.asFloat(field)));
    case 'D': {
        const DayNumber day = table.asDate(field);
        return day == 0 ? std::string() : formatCzechDate(day);
    }
    case 'L':
        return table.asBool(field) ? "Ano" : "Ne";
    default:
        return table.asString(field);
    }
}

} // namespace tarvela
