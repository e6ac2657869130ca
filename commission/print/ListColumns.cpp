#include "commission/print/ListColumns.h"

namespace tarvela {

namespace {

constexpr double kFirstColumn = 1.0;
constexpr int kCentralEuropean = 238;

} // namespace

void setListColumns(TBaseReport& canvas, std::span<const ListColumn> columns, int shade)
{
    canvas.ClearTabStops();
    bool first = true;
    for (const ListColumn& column : columns) {
        canvas.AddTabStop(first ? std::optional<double>(kFirstColumn) : std::nullopt, column.justification,
                          column.width, 0, 0, shade);
        first = false;
    }
}

std::string tabbedLine(const std::vector<std::string>& cells)
{
    std::string line;
    for (const std::string& cell : cells) {
        line += '\t';
        line += cell;
    }
    return line;
}

void selectCentralEuropeanFont(TBaseReport& canvas, const std::string& name, double size)
{
    canvas.SelectFont(name, size);
    canvas.SelectCharset(kCentralEuropean);
}

void startListReport(TBaseReport& canvas)
{
    selectCentralEuropeanFont(canvas, "ArialCE", 13);
    canvas.SetMargins(1, 1, 2, 2);
    canvas.StartAtTop();
    canvas.ClearTabStops();
}

} // namespace tarvela
