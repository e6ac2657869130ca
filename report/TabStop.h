// One cell of the canvas's tab-stop list. Positions and widths are in cm from
// the left edge of the page; the inner margin is in hundredths of an inch.
#pragma once

namespace tarvela {

enum class Justification { Left, Right, Center };

// Border bits of a cell.
enum BorderEdge : int {
    kBorderLeft = 1,
    kBorderRight = 2,
    kBorderTop = 4,
    kBorderBottom = 8,
};

struct TabStop {
    double position = 0;
    double width = 0;
    Justification justification = Justification::Left;
    int innerMargin = 0;
    int borders = 0;
    int shade = 0;

    double innerMarginCm() const { return innerMargin * 2.54 / 100.0; }
};

} // namespace tarvela
