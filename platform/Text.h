// Small text helpers shared by every layer. "Blank" means the space that
// pads fixed-width DBF fields unless a caller names other characters.
// Upper-casing touches ASCII letters only: field and tag names are ASCII, and
// Czech letters are upper-cased by the collation where it matters.
#pragma once

#include <string>
#include <string_view>

namespace tarvela {

std::string trimmed(std::string_view text, std::string_view blanks = " ");
// The view form keeps pointing into its argument; the string form copies, so
// it is safe on temporaries.
std::string_view withoutTrailingBlanks(std::string_view text);
std::string withoutTrailingBlanks(const std::string& text);
inline char upperAsciiChar(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
std::string upperAscii(std::string text);
bool equalIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace tarvela
