#include "report/FontMetrics.h"

#include <algorithm>
#include <array>

#include "report/FontMetricsTables.h"

namespace tarvela {

namespace {

constexpr double kCmPerPoint = 2.54 / 72.0;

const fontdata::FaceMetrics& faceOf(const FontSpec& font)
{
    return font.bold ? fontdata::bold : fontdata::regular;
}

int advanceOf(const fontdata::FaceMetrics& face, char32_t code)
{
    const auto found = std::lower_bound(face.widths.begin(), face.widths.end(), code,
                                        [](const fontdata::CharWidth& entry, char32_t wanted) {
                                            return entry.code < wanted;
                                        });
    if (found != face.widths.end() && found->code == code)
        return found->advance;
    if (code < 0x20)
        return 0;
    return advanceOf(face, U'?');
}

int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// Calls visit with each code point of the text; a malformed byte is one
// U+FFFD.
template <typename Visit>
void forEachCodePoint(const std::string& text, Visit visit)
{
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = sequenceLength(lead);
        bool valid = length > 0 && i + length <= text.size();
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        visit(valid ? code : U'\uFFFD');
        i += valid ? length : 1;
    }
}

// The advances of the ASCII characters, looked up once: nearly every
// character a report measures is one of them.
struct AsciiAdvances {
    explicit AsciiAdvances(const fontdata::FaceMetrics& face)
    {
        for (char32_t code = 0; code < advances.size(); ++code)
            advances[code] = advanceOf(face, code);
    }
    std::array<int, 128> advances{};
};

int fastAdvanceOf(const fontdata::FaceMetrics& face, char32_t code)
{
    static const AsciiAdvances regular(fontdata::regular);
    static const AsciiAdvances bold(fontdata::bold);
    if (code >= 128)
        return advanceOf(face, code);
    return (&face == &fontdata::bold ? bold : regular).advances[code];
}

} // namespace

std::u32string decodeUtf8(const std::string& text)
{
    std::u32string result;
    forEachCodePoint(text, [&](char32_t code) { result.push_back(code); });
    return result;
}

double FontMetrics::textWidthCm(const std::string& text, const FontSpec& font)
{
    const fontdata::FaceMetrics& face = faceOf(font);
    long units = 0;
    forEachCodePoint(text, [&](char32_t code) { units += fastAdvanceOf(face, code); });
    return units * font.sizePt * kCmPerPoint / face.unitsPerEm;
}

double FontMetrics::lineHeightCm(double sizePt)
{
    const fontdata::FaceMetrics& face = fontdata::regular;
    return double(face.ascent + face.descent + face.lineGap) * sizePt * kCmPerPoint / face.unitsPerEm;
}

double FontMetrics::baselineOffsetCm(double sizePt)
{
    const fontdata::FaceMetrics& face = fontdata::regular;
    return (face.ascent + face.lineGap / 2.0) * sizePt * kCmPerPoint / face.unitsPerEm;
}

} // namespace tarvela
