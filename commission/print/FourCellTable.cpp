#include "commission/print/FourCellTable.h"

namespace tarvela {

namespace {

constexpr int kInnerMargin = 5;
constexpr int kShade = 10;

struct Cell {
    double width;
    Justification justification;
    int headerBorders;
    int rowBorders;
    int sumBorders;
};

const Cell kCells[] = {
    {2.0, Justification::Left, kBorderLeft | kBorderTop, kBorderLeft, kBorderLeft | kBorderBottom},
    {5.0, Justification::Left, kBorderTop, 0, kBorderBottom},
    {2.5, Justification::Right, kBorderTop, 0, kBorderBottom},
    {2.5, Justification::Right, kBorderRight | kBorderTop, kBorderRight, kBorderRight | kBorderBottom},
};

} // namespace

void setFourCellTable(TBaseReport& canvas, TableRow row)
{
    canvas.ClearTabStops();
    bool first = true;
    for (const Cell& cell : kCells) {
        const int borders = row == TableRow::Header ? cell.headerBorders
                            : row == TableRow::Item ? cell.rowBorders
                                                    : cell.sumBorders;
        canvas.AddTabStop(first ? std::optional<double>(1.0) : std::nullopt, cell.justification, cell.width,
                          kInnerMargin, borders, row == TableRow::Item ? 0 : kShade);
        first = false;
    }
}

void startOneTableReport(TBaseReport& canvas)
{
    canvas.SelectFont("ArialCE", 13);
    canvas.SelectCharset(238);
    canvas.SetMargins(1, 1, 2, 2);
    canvas.StartAtTop();
}

} // namespace tarvela
