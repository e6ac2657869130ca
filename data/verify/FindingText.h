// How figures appear in the findings: amounts and percentages to two
// decimals, dates as dd.mm.yyyy or "none", a blank code as "(blank)".
#pragma once

#include <string>

#include "platform/Date.h"

namespace tarvela {

std::string amountText(double amount);
std::string dateText(DayNumber day);
std::string codeText(const std::string& code);
// Adds one part to a finding's detail, parts separated by "; ".
void appendPart(std::string& detail, const std::string& part);

} // namespace tarvela
