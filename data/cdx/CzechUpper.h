// UPPER of the index expressions: the text goes to code page 1250, is
// upper-cased by the rules of the Czech locale (letters with diacritics
// included) and comes back to code page 852. Length never changes.
#pragma once

#include <string>
#include <string_view>

namespace tarvela::cdx {

unsigned char upperCp1250(unsigned char byte);
std::string upperCp852(std::string_view bytes);

} // namespace tarvela::cdx
