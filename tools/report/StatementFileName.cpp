#include "StatementFileName.h"

#include <cstdio>

#include "platform/Text.h"

namespace tarvela::tool {

namespace {

// The longest name most file systems take, in bytes.
constexpr std::size_t kLongestName = 255;

std::string isoDate(DayNumber day)
{
    const CivilDate date = toCivilDate(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

bool isLastDayOfMonth(DayNumber day)
{
    return toCivilDate(day + 1).day == 1;
}

std::string periodLabel(const ReportToolOptions& options, DayNumber today)
{
    if (options.report == ReportKind::Disallowed)
        return isoDate(today);
    const CivilDate from = toCivilDate(options.from);
    const CivilDate to = toCivilDate(options.to);
    if (from.day == 1 && isLastDayOfMonth(options.to) && from.year == to.year) {
        if (from.month == to.month)
            return isoDate(options.from).substr(0, 7);
        if (from.month == 1 && to.month == 12)
            return std::to_string(from.year);
    }
    return isoDate(options.from) + "_" + isoDate(options.to);
}

} // namespace

std::string salesmanLabel(const ReportSalesman& salesman)
{
    std::string label = trimmed(salesman.code);
    if (const std::string name = trimmed(salesman.name); !name.empty())
        label += " " + name;
    return label;
}

std::string statementFileName(const ReportSalesman& salesman, const ReportToolOptions& options, DayNumber today)
{
    return salesmanLabel(salesman) + " - " + reportNameOf(options.report) + " " + periodLabel(options, today)
           + extensionOf(options.format);
}

std::string whyImpossibleFileName(const std::string& name)
{
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20)
            return "the salesman's code or name holds a control character, which no file name may";
        if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            return std::string("the salesman's code or name holds '") + c + "', which no file name may";
    }
    if (name.size() > kLongestName)
        return "the salesman's code and name make a file name longer than " + std::to_string(kLongestName)
               + " bytes";
    return {};
}

} // namespace tarvela::tool
