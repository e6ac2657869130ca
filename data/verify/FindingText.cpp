#include "data/verify/FindingText.h"

#include <cstdio>

namespace tarvela {

std::string amountText(double amount)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", amount);
    return text;
}

std::string dateText(DayNumber day)
{
    return day == 0 ? "none" : formatCzechDate(day);
}

std::string codeText(const std::string& code)
{
    return code.empty() ? "(blank)" : code;
}

void appendPart(std::string& detail, const std::string& part)
{
    detail += (detail.empty() ? "" : "; ") + part;
}

} // namespace tarvela
