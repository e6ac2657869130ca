#include "report/DateFormat.h"

#include <cmath>
#include <cstdio>

namespace tarvela {

std::string formatReportDate(DayNumber day)
{
    return formatCzechDate(day);
}

std::string formatReportDateTime(double dateTime)
{
    // Before day 0 the fraction still counts forwards from midnight, so
    // -1.25 is 29 December 1899, 06:00.
    const double wholeDays = std::trunc(dateTime);
    const long long milliseconds = std::llround(std::fabs(dateTime - wholeDays) * 86400000.0);
    long long minutes = milliseconds / 60000;
    DayNumber day = static_cast<DayNumber>(wholeDays);
    if (minutes >= 24 * 60) {
        minutes -= 24 * 60;
        day += dateTime < 0 ? -1 : 1;
    }
    char time[40];
    std::snprintf(time, sizeof time, " %02lld:%02lld", minutes / 60, minutes % 60);
    return formatCzechDate(day) + time;
}

} // namespace tarvela
