// Text measurement for the canvas, from the committed width table of the
// report font only, so that layout and pagination are the same on every
// machine and in every output. Sizes are in points, results in cm.
#pragma once

#include <string>

#include "report/Font.h"

namespace tarvela {

class FontMetrics {
public:
    // Width of UTF-8 text; characters missing from the table count as '?'.
    static double textWidthCm(const std::string& text, const FontSpec& font);
    // The line height of a font: ascent, descent and the font's line gap.
    static double lineHeightCm(double sizePt);
    // Distance from the top of a line to the baseline of its text; the line
    // gap is shared equally above and below the glyphs.
    static double baselineOffsetCm(double sizePt);
};

// UTF-8 decoding that never fails: a malformed byte counts as one U+FFFD.
std::u32string decodeUtf8(const std::string& text);

} // namespace tarvela
