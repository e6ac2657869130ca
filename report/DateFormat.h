// The date formats of the report layouts: "dd.mm.yyyy" for days and
// "dd.mm.yyyy hh:mm" for a moment given as days plus the fraction of a day
// (day 0 = 30 December 1899, as dates are counted everywhere).
#pragma once

#include <string>

#include "platform/Date.h"

namespace tarvela {

std::string formatReportDate(DayNumber day);
std::string formatReportDateTime(double dateTime);

} // namespace tarvela
