// How a grid shows one field of the record a table stands on: text without
// its trailing blanks, money as "#,##0.00" (with the separators of the
// regional settings, half away from zero), "##0.00" the same without the
// thousands separator, dates "dd.mm.yyyy" (empty for no
// date), logicals "Ano" / "Ne", other numbers in their shortest form.
#pragma once

#include <string>

namespace tarvela {

class DbfTable;

std::string displayText(const DbfTable& table, const std::string& field);

// "#,##0.00" with the regional separators: 1234567.891 -> "1 234 567,89"
// on a Czech desktop.
std::string formatMoney(double value);

} // namespace tarvela
