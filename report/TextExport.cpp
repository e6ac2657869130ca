#include "report/TextExport.h"

#include <charconv>
#include <cmath>

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

// As printf's "%0*lld": at least `width` characters, zeros after any sign.
void appendPadded(std::string& out, long long value, int width)
{
    char digits[24];
    const char* const end = std::to_chars(digits, digits + sizeof digits, value < 0 ? -value : value).ptr;
    const int length = int(end - digits) + (value < 0 ? 1 : 0);
    if (value < 0)
        out += '-';
    if (length < width)
        out.append(size_t(width - length), '0');
    out.append(digits, size_t(end - digits));
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
    std::string result;
    appendPadded(result, date.day, 2);
    result += '/';
    appendPadded(result, date.month, 2);
    result += '/';
    appendPadded(result, date.year, 4);
    const long long seconds = milliseconds / 1000;
    if (seconds > 0) {
        result += ' ';
        appendPadded(result, seconds / 3600, 2);
        result += ':';
        appendPadded(result, seconds / 60 % 60, 2);
        result += ':';
        appendPadded(result, seconds % 60, 2);
    }
    return result;
}

std::string textExportBytes(const ExportTable& table)
{
    auto row = table.rows.begin();
    return textExportBytes(table.labels, [&](std::vector<ExportValue>& values) {
        if (row == table.rows.end())
            return false;
        values = *row++;
        return true;
    });
}

void writeTextExport(const ExportTable& table, const std::filesystem::path& path)
{
    writeWholeFile(path, textExportBytes(table));
}

std::string textExportBytes(const std::vector<std::string>& labels, const ExportRows& nextRow)
{
    std::string text;
    appendLine(text, labels, appendQuoted);
    for (std::vector<ExportValue> row; nextRow(row);)
        appendLine(text, row, appendValue);
    return utf8ToCp1250(text);
}

void writeTextExport(const std::vector<std::string>& labels, const ExportRows& nextRow,
                     const std::filesystem::path& path)
{
    writeWholeFile(path, textExportBytes(labels, nextRow));
}

} // namespace tarvela
