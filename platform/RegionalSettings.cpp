#include "platform/RegionalSettings.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "platform/Environment.h"

namespace tarvela {

namespace {

// Languages whose regional settings write numbers with a decimal comma.
constexpr std::array<std::string_view, 36> kCommaLanguages{
    "az", "be", "bg", "ca", "cs", "da", "de", "el", "es", "et", "eu", "fi",
    "fr", "gl", "hr", "hu", "id", "is", "it", "kk", "lt", "lv", "nb", "nl",
    "nn", "no", "pl", "pt", "ro", "ru", "sk", "sl", "sr", "sv", "tr", "uk"};

std::optional<char>& chosenSeparator()
{
    static std::optional<char> separator;
    return separator;
}

} // namespace

char decimalSeparatorOfLocale(const std::string& localeName)
{
    const std::string language = localeName.substr(0, localeName.find_first_of("_.@"));
    const bool comma = std::find(kCommaLanguages.begin(), kCommaLanguages.end(), language)
        != kCommaLanguages.end();
    return comma ? ',' : '.';
}

char decimalSeparatorFromEnvironment()
{
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        if (const std::string value = environmentValue(variable); !value.empty())
            return decimalSeparatorOfLocale(value);
    }
    return '.';
}

char decimalSeparator()
{
    if (!chosenSeparator())
        chosenSeparator() = decimalSeparatorFromEnvironment();
    return *chosenSeparator();
}

void setDecimalSeparator(char separator)
{
    chosenSeparator() = separator;
}

const char* thousandsSeparator()
{
    return decimalSeparator() == ',' ? "\u00A0" : ",";
}

} // namespace tarvela
