#include "report/TextExport.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/CodePage.h"
#include "platform/Date.h"
#include "platform/WholeFile.h"

namespace tarvela {

namespace {

constexpr int kSignificantDigits = 15;
constexpr long long kMillisecondsPerDay = 86400000;

void appendQuoted(std::string& out, const std::string& text)
{
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendValue(std::string& out, const ExportValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        appendQuoted(out, *text);
    else if (const auto* number = std::get_if<double>(&value))
        appendQuoted(out, exportNumber(*number));
    else if (const auto* date = std::get_if<ExportDateTime>(&value))
        appendQuoted(out, exportDateTime(date->value));
    else if (const auto* flag = std::get_if<ExportBool>(&value))
        appendQuoted(out, exportBool(flag->value));
}

// Every item is followed by a comma, the last one too.
template <typename Items, typename Append>
void appendLine(std::string& out, const Items& items, Append append)
{
    bool first = true;
    for (const auto& item : items) {
        if (!first)
            out += ',';
        first = false;
        append(out, item);
    }
    out += ",\r\n";
}

// "1e+20" -> "1E20", "1.5e-07" -> "1.5E-7".
std::string withShortExponent(const std::string& text)
{
    const auto e = text.find('e');
    if (e == std::string::npos)
        return text;
    const int exponent = std::stoi(text.substr(e + 1));
    return text.substr(0, e) + "E" + std::to_string(exponent);
}

} // namespace

std::string exportNumber(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                      kSignificantDigits);
    return withShortExponent(std::string(buffer, result.ptr));
}

std::string exportBool(bool value)
{
    return value ? "True" : "False";
}

std::string exportDateTime(double value)
{
    const double wholeDays = std::floor(value);
    long long milliseconds = std::llround((value - wholeDays) * double(kMillisecondsPerDay));
    DayNumber day = DayNumber(wholeDays);
    if (milliseconds >= kMillisecondsPerDay) {
        milliseconds -= kMillisecondsPerDay;
        ++day;
    }
    const CivilDate date = toCivilDate(day);
    char text[48];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.day, date.month, date.year);
    std::string result = text;
    const long long seconds = milliseconds / 1000;
    if (seconds > 0) {
        std::snprintf(text, sizeof text, " %02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
        result += text;
    }
    return result;
}

std::string textExportBytes(const ExportTable& table)
{
    std::string text;
    appendLine(text, table.labels, appendQuoted);
    for (const std::vector<ExportValue>& row : table.rows)
        appendLine(text, row, appendValue);
    return utf8ToCp1250(text);
}

void writeTextExport(const ExportTable& table, const std::filesystem::path& path)
{
    writeWholeFile(path, textExportBytes(table));
}

} // namespace tarvela
