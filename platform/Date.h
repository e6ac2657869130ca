// Calendar dates as whole days, day 0 = 30 December 1899, as the shared
// files and the rest of the system count them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarvela {

using DayNumber = std::int32_t;

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
};

DayNumber toDayNumber(const CivilDate& date);
CivilDate toCivilDate(DayNumber day);
bool isValidCivilDate(const CivilDate& date);

// "dd.mm.yyyy"; nullopt for anything that is not a real date in that form.
std::optional<DayNumber> parseCzechDate(const std::string& text);
std::string formatCzechDate(DayNumber day);

// Today in the local time zone.
DayNumber today();
// Now in the local time zone: days plus the fraction of the day gone.
double nowDateTime();

} // namespace tarvela
