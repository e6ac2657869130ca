// Byte-to-Unicode tables of the two code pages of the shared files.
#pragma once

#include <array>

namespace tarvela::codepage_tables {

extern const std::array<char32_t, 256> kCp852;
extern const std::array<char32_t, 256> kCp1250;

} // namespace tarvela::codepage_tables
