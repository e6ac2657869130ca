// The decimal separator of the user's regional settings, used by every number
// a report prints. It is read once from the environment (LC_ALL, LC_NUMERIC,
// LANG); tests and the command line may fix it with setDecimalSeparator.
#pragma once

#include <string>

namespace tarvela {

char decimalSeparator();
void setDecimalSeparator(char separator);

// ',' for the locales whose numbers use a decimal comma ("cs_CZ.UTF-8"),
// '.' for every other one, including "C" and "POSIX".
char decimalSeparatorOfLocale(const std::string& localeName);
char decimalSeparatorFromEnvironment();

} // namespace tarvela
