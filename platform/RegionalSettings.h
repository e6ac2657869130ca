// The decimal separator of the user's regional settings, the one home of it
// for every number the program shows in its windows, takes from the keyboard
// and prints in a report (the export files keep their fixed "."). It is read
// once from the environment (LC_ALL, LC_NUMERIC, LANG); tests and the
// command line may fix it with setDecimalSeparator.
#pragma once

#include <string>

namespace tarvela {

char decimalSeparator();
void setDecimalSeparator(char separator);
// The separator of thousands that goes with it in money columns: a
// no-break space beside a decimal comma, a comma beside a decimal point.
const char* thousandsSeparator();

// ',' for the locales whose numbers use a decimal comma ("cs_CZ.UTF-8"),
// '.' for every other one, including "C" and "POSIX".
char decimalSeparatorOfLocale(const std::string& localeName);
char decimalSeparatorFromEnvironment();

} // namespace tarvela
