#include "data/cdx/CzechUpper.h"

#include <array>

#include "platform/CodePage.h"

namespace tarvela::cdx {

namespace {

std::array<unsigned char, 256> buildUpper1250()
{
    std::array<unsigned char, 256> upper{};
    for (int b = 0; b < 256; ++b)
        upper[b] = static_cast<unsigned char>(b);
    for (int b = 'a'; b <= 'z'; ++b)
        upper[b] = static_cast<unsigned char>(b - 0x20);
    // à..ţ map 0x20 down, except the division sign; ß has no capital.
    for (int b = 0xE0; b <= 0xFE; ++b)
        if (b != 0xF7)
            upper[b] = static_cast<unsigned char>(b - 0x20);
    // š ś ť ž ź ł ą ľ ż
    const std::pair<unsigned char, unsigned char> pairs[] = {
        {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D}, {0x9E, 0x8E}, {0x9F, 0x8F},
        {0xB3, 0xA3}, {0xB9, 0xA5}, {0xBE, 0xBC}, {0xBF, 0xAF},
    };
    for (const auto& [lower, capital] : pairs)
        upper[lower] = capital;
    return upper;
}

std::array<unsigned char, 256> buildUpper852()
{
    std::array<unsigned char, 256> upper{};
    for (int b = 0; b < 256; ++b) {
        const auto ansi = cp852ToCp1250(static_cast<unsigned char>(b));
        upper[b] = cp1250ToCp852(upperCp1250(ansi));
    }
    return upper;
}

} // namespace

unsigned char upperCp1250(unsigned char byte)
{
    static const auto table = buildUpper1250();
    return table[byte];
}

std::string upperCp852(std::string_view bytes)
{
    static const auto table = buildUpper852();
    std::string result(bytes);
    for (auto& c : result)
        c = static_cast<char>(table[static_cast<unsigned char>(c)]);
    return result;
}

} // namespace tarvela::cdx
