#include "platform/Date.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace tarvela {

namespace {
constexpr std::chrono::sys_days kEpoch = std::chrono::sys_days{
    std::chrono::year{1899} / std::chrono::December / 30};
}

DayNumber toDayNumber(const CivilDate& date)
{
    const std::chrono::sys_days days{std::chrono::year{date.year} / date.month / date.day};
    return static_cast<DayNumber>((days - kEpoch).count());
}

CivilDate toCivilDate(DayNumber day)
{
    const std::chrono::year_month_day ymd{kEpoch + std::chrono::days{day}};
    return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
}

bool isValidCivilDate(const CivilDate& date)
{
    if (date.year < 1 || date.year > 9999)
        return false;
    const std::chrono::year_month_day ymd{std::chrono::year{date.year},
                                          std::chrono::month(unsigned(date.month)),
                                          std::chrono::day(unsigned(date.day))};
    return date.month >= 1 && date.month <= 12 && date.day >= 1 && ymd.ok();
}

std::optional<DayNumber> parseCzechDate(const std::string& text)
{
    if (text.size() != 10 || text[2] != '.' || text[5] != '.')
        return std::nullopt;
    for (size_t i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    const CivilDate date{std::stoi(text.substr(6, 4)), std::stoi(text.substr(3, 2)),
                         std::stoi(text.substr(0, 2))};
    if (!isValidCivilDate(date))
        return std::nullopt;
    return toDayNumber(date);
}

std::string formatCzechDate(DayNumber day)
{
    const CivilDate date = toCivilDate(day);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", date.day, date.month, date.year);
    return buffer;
}

DayNumber today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return toDayNumber({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
}

double nowDateTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const DayNumber day = toDayNumber({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
    return day + (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

} // namespace tarvela
