#include "platform/Text.h"

#include <algorithm>

namespace tarvela {

std::string trimmed(std::string_view text, std::string_view blanks)
{
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

std::string_view withoutTrailingBlanks(std::string_view text)
{
    const auto end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

std::string withoutTrailingBlanks(const std::string& text)
{
    return std::string(withoutTrailingBlanks(std::string_view(text)));
}

std::string upperAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), upperAsciiChar);
    return text;
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return upperAsciiChar(x) == upperAsciiChar(y); });
}

} // namespace tarvela
