// The table of the group report and of the commission summary: four cells
// from 1 cm, a shaded header and sum row and open rows between them, which
// together draw a closed frame.
#pragma once

#include "report/TBaseReport.h"

namespace tarvela {

enum class TableRow { Header, Item, Sum };

// Replaces the canvas's tab stops with the cells of that row kind.
void setFourCellTable(TBaseReport& canvas, TableRow row);

// The common start of both reports: title font, margins, top of the page.
void startOneTableReport(TBaseReport& canvas);

} // namespace tarvela
