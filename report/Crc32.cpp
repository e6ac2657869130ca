#include "report/Crc32.h"

#include <array>

namespace tarvela {

namespace {

std::array<std::uint32_t, 256> makeTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}

} // namespace

std::uint32_t crc32(std::string_view bytes)
{
    static const std::array<std::uint32_t, 256> table = makeTable();
    std::uint32_t c = 0xFFFFFFFFu;
    for (unsigned char byte : bytes)
        c = table[(c ^ byte) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

} // namespace tarvela
