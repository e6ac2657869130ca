// Column widths that show every caption and every loaded cell in full with
// the font the grid really has (the widths of the design were measured with
// a narrower one), while the grid keeps the width of its window: what the
// other columns need beyond the widths asked for comes off one giving column
// (down to what it needs itself), which also takes up any room left over.
#pragma once

#include <vector>

class QTableView;

namespace tarvela {

// wanted: the designed width of each column (0: as wide as its contents);
// available: the width the columns share, without the grid's frame.
void fitColumnWidths(QTableView& grid, const std::vector<int>& wanted, int giving, int available);

} // namespace tarvela
