// The advance widths of the one report font, in font units, as generated from
// the font files by tools/fontmetrics. Entries are sorted by code point; a
// caller looks characters up by binary search and supplies its own fallback.
#pragma once

#include <vector>

namespace tarvela::fontdata {

struct CharWidth {
    char32_t code;
    int advance;
};

struct FaceMetrics {
    int unitsPerEm;
    int ascent;
    int descent;
    int lineGap;
    std::vector<CharWidth> widths;
};

extern const FaceMetrics regular;
extern const FaceMetrics bold;

} // namespace tarvela::fontdata
