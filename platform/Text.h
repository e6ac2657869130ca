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
std::string upperAscii(std::string text);
bool equalIgnoringAsciiCase(std::string_view a, std::string_view b);

// Looks a name up in a map keyed by upper-case names. Names already in upper
// case, as nearly every caller writes field names, cost no copy: field access
// by name is on the hot path of every report.
template <typename Map>
auto findUpperCaseKey(const Map& byUpperName, const std::string& name)
{
    const auto found = byUpperName.find(name);
    return found != byUpperName.end() ? found : byUpperName.find(upperAscii(name));
}

} // namespace tarvela
