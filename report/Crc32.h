// CRC-32 (the polynomial of zip and PNG) over a byte string; used to tell a
// damaged file from a whole one.
#pragma once

#include <cstdint>
#include <string_view>

namespace tarvela {

std::uint32_t crc32(std::string_view bytes);

} // namespace tarvela
