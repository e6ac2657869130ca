// The column cells of the list reports (invoice overview, sales by salesman,
// customer rebate): from 1 cm, each right after the previous one, without
// inner margin or borders; and the tab-led lines that fill them.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "report/TBaseReport.h"

namespace tarvela {

struct ListColumn {
    double width;
    Justification justification;
};

// Replaces the canvas's tab stops with the columns.
void setListColumns(TBaseReport& canvas, std::span<const ListColumn> columns, int shade = 0);

// "\t" before each cell: the first text lands in the first column.
std::string tabbedLine(const std::vector<std::string>& cells);

// SelectFont followed by the Central European character set.
void selectCentralEuropeanFont(TBaseReport& canvas, const std::string& name, double size);

// Title font, margins and top of the page, as every list report starts.
void startListReport(TBaseReport& canvas);

} // namespace tarvela
