// The page model: what the canvas recorded, page by page, as positioned
// drawing operations. Every output device renders only this. Positions are
// in cm from the page's left and top edges.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "report/Font.h"
#include "report/TabStop.h"

namespace tarvela {

enum class Orientation { Portrait, Landscape };

inline constexpr double kA4ShortCm = 21.0;
inline constexpr double kA4LongCm = 29.7;

// One piece of text. x is its left edge and width its width from the font
// metrics; y is the baseline. line numbers the canvas line it was printed
// on (from 1 on each page), so text outputs can rebuild the lines; align
// tells which edge the layout meant to hold, for renderers whose font
// widths may differ slightly from the metrics table.
struct TextRun {
    double x = 0;
    double baseline = 0;
    double width = 0;
    int line = 1;
    Justification align = Justification::Left;
    FontSpec font;
    std::string text;
    bool operator==(const TextRun&) const = default;
};

struct FilledRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    Rgb color;
    bool operator==(const FilledRect&) const = default;
};

struct LineSegment {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double penWidth = 0;
    Rgb color;
    bool operator==(const LineSegment&) const = default;
};

using DrawOp = std::variant<TextRun, FilledRect, LineSegment>;

struct Page {
    double widthCm = kA4ShortCm;
    double heightCm = kA4LongCm;
    std::vector<DrawOp> ops;
    bool operator==(const Page&) const = default;

    static Page a4(Orientation orientation);
    bool isLandscape() const { return widthCm > heightCm; }
};

struct ReportDocument {
    std::vector<Page> pages;
    bool operator==(const ReportDocument&) const = default;
};

} // namespace tarvela
