// The font and colour of report text as the canvas records them. Every name
// is drawn with the one Arial-compatible report font; the name and the
// character set are kept so that outputs can show what the layout asked for.
#pragma once

#include <cstdint>
#include <string>

namespace tarvela {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};

// The default character set of a font, as opposed to 238 (Central European).
inline constexpr int kDefaultCharset = 1;

struct FontSpec {
    std::string name = "Arial";
    double sizePt = 10;
    int charset = kDefaultCharset;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    Rgb color = kBlack;
    bool operator==(const FontSpec&) const = default;
};

// Grey of a cell shade given in percent: 0 is white, 100 black.
Rgb shadeColor(int percent);

} // namespace tarvela
