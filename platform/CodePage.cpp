#include "platform/CodePage.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "platform/CodePageTables.h"

namespace tarvela {

namespace {

using ByteMap = std::array<unsigned char, 256>;

std::unordered_map<char32_t, unsigned char> reverseOf(const std::array<char32_t, 256>& table)
{
    std::unordered_map<char32_t, unsigned char> reverse;
    for (int b = 255; b >= 0; --b)
        reverse[table[b]] = static_cast<unsigned char>(b);
    return reverse;
}

// The 1250 -> 852 permutation, built by the sibling system's rules: bytes up
// to 32 stay; a byte takes its 852 counterpart when the pair converts back
// and the counterpart is 33 or more; a byte left over maps to itself when
// that value is still free, otherwise to the lowest free value from 33 on.
struct Permutation {
    ByteMap toOem{};
    ByteMap toAnsi{};

    Permutation()
    {
        const auto reverse852 = reverseOf(codepage_tables::kCp852);
        const auto reverse1250 = reverseOf(codepage_tables::kCp1250);
        std::array<int, 256> mapped;
        mapped.fill(-1);
        std::array<bool, 256> taken{};
        for (int b = 0; b <= 32; ++b) {
            mapped[b] = b;
            taken[b] = true;
        }
        for (int b = 33; b < 256; ++b) {
            const char32_t ch = codepage_tables::kCp1250[b];
            const auto in852 = reverse852.find(ch);
            if (in852 == reverse852.end() || in852->second < 33)
                continue;
            const auto back = reverse1250.find(codepage_tables::kCp852[in852->second]);
            if (back == reverse1250.end() || back->second != b)
                continue;
            mapped[b] = in852->second;
            taken[in852->second] = true;
        }
        for (int b = 33; b < 256; ++b) {
            if (mapped[b] < 0 && !taken[b]) {
                mapped[b] = b;
                taken[b] = true;
            }
        }
        int nextFree = 33;
        for (int b = 33; b < 256; ++b) {
            if (mapped[b] >= 0)
                continue;
            while (taken[nextFree])
                ++nextFree;
            mapped[b] = nextFree;
            taken[nextFree] = true;
        }
        for (int b = 0; b < 256; ++b) {
            toOem[b] = static_cast<unsigned char>(mapped[b]);
            toAnsi[mapped[b]] = static_cast<unsigned char>(b);
        }
    }
};

const Permutation& permutation()
{
    static const Permutation instance;
    return instance;
}

std::string mapBytes(std::string_view bytes, const ByteMap& map)
{
    std::string out(bytes);
    for (char& c : out)
        c = static_cast<char>(map[static_cast<unsigned char>(c)]);
    return out;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

unsigned char cp852ToCp1250(unsigned char byte) { return permutation().toAnsi[byte]; }
unsigned char cp1250ToCp852(unsigned char byte) { return permutation().toOem[byte]; }
std::string cp852ToCp1250(std::string_view bytes) { return mapBytes(bytes, permutation().toAnsi); }
std::string cp1250ToCp852(std::string_view bytes) { return mapBytes(bytes, permutation().toOem); }

std::string cp1250ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (unsigned char c : bytes)
        appendUtf8(out, codepage_tables::kCp1250[c]);
    return out;
}

std::string utf8ToCp1250(std::string_view text)
{
    static const auto reverse = reverseOf(codepage_tables::kCp1250);
    const auto isAscii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    std::string out;
    out.reserve(text.size());
    // ASCII is the same in both; only the other sequences are decoded.
    auto at = text.begin();
    while (at != text.end()) {
        const auto other = std::find_if_not(at, text.end(), isAscii);
        out.append(at, other);
        const auto end = std::find_if(other, text.end(), isAscii);
        for (char32_t cp : utf8ToUtf32(std::string_view(other, end))) {
            const auto found = reverse.find(cp);
            out += found == reverse.end() ? '?' : static_cast<char>(found->second);
        }
        at = end;
    }
    return out;
}

namespace {

// Most texts in the tables are plain ASCII, which every step of the
// translation leaves as it is; they skip the steps.
bool isPlainAscii(std::string_view text)
{
    static const bool asciiUnchanged = [] {
        for (int c = 0; c < 0x80; ++c)
            if (permutation().toAnsi[c] != c || permutation().toOem[c] != c || codepage_tables::kCp1250[c] != char32_t(c))
                return false;
        return true;
    }();
    return asciiUnchanged &&
           std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

std::string oemToUtf8(std::string_view bytes)
{
    return isPlainAscii(bytes) ? std::string(bytes) : cp1250ToUtf8(cp852ToCp1250(bytes));
}

std::string utf8ToOem(std::string_view text)
{
    return isPlainAscii(text) ? std::string(text) : cp1250ToCp852(utf8ToCp1250(text));
}

std::u32string utf8ToUtf32(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size()) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = true;
        for (int k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            cp = (cp << 6) | (next & 0x3F);
        }
        out += valid ? cp : U'\uFFFD';
        i += valid ? length : 1;
    }
    return out;
}

std::string utf32ToUtf8(std::u32string_view text)
{
    std::string out;
    for (char32_t cp : text)
        appendUtf8(out, cp);
    return out;
}

} // namespace tarvela
