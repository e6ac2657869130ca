// Text conversions between the table files (code page 852), the program's
// working code page 1250 and UTF-8. 852 <-> 1250 is the byte permutation the
// sibling system builds, so every byte value survives a round trip; 1250 <->
// UTF-8 is lossless too (undefined 1250 bytes become C1 code points).
#pragma once

#include <string>
#include <string_view>

namespace tarvela {

std::string cp852ToCp1250(std::string_view bytes);
std::string cp1250ToCp852(std::string_view bytes);
unsigned char cp852ToCp1250(unsigned char byte);
unsigned char cp1250ToCp852(unsigned char byte);

std::string cp1250ToUtf8(std::string_view bytes);
// Characters 1250 cannot hold become '?'.
std::string utf8ToCp1250(std::string_view text);

// The table files' text as UTF-8 and back.
std::string oemToUtf8(std::string_view bytes);
std::string utf8ToOem(std::string_view text);

// Decodes UTF-8 into code points; malformed sequences become U+FFFD.
std::u32string utf8ToUtf32(std::string_view text);
std::string utf32ToUtf8(std::u32string_view text);

} // namespace tarvela
