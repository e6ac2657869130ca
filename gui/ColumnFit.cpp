#include "gui/ColumnFit.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <algorithm>
#include <numeric>

namespace tarvela {

namespace {

// Enough rows to judge a code list's widest cell without walking a big table.
constexpr int kMeasuredRows = 200;

int neededWidth(const QTableView& grid, int column)
{
    const QAbstractItemModel& model = *grid.model();
    const int margin = grid.style()->pixelMetric(QStyle::PM_HeaderMargin) * 2 + 6;
    // The caption of the current column is drawn bold.
    QFont caption = grid.horizontalHeader()->font();
    caption.setBold(true);
    int widest = QFontMetrics(caption).horizontalAdvance(model.headerData(column, Qt::Horizontal).toString());
    const int rows = std::min(model.rowCount(), kMeasuredRows);
    for (int row = 0; row < rows; ++row)
        widest = std::max(widest, grid.fontMetrics().horizontalAdvance(model.index(row, column).data().toString()));
    return widest + margin;
}

} // namespace

void fitColumnWidths(QTableView& grid, const std::vector<int>& wanted, int giving, int available)
{
    const int columns = grid.model()->columnCount();
    std::vector<int> needed(columns);
    std::vector<int> widths(columns);
    for (int column = 0; column < columns; ++column) {
        const int asked = column < static_cast<int>(wanted.size()) ? wanted[column] : 0;
        needed[column] = neededWidth(grid, column);
        widths[column] = std::max(asked, needed[column]);
    }
    int excess = std::accumulate(widths.begin(), widths.end(), 0) - available;
    if (giving >= 0 && giving < columns && excess < 0)
        widths[giving] -= excess;
    // Too wide: the giving column first, then the others with the most to
    // spare, each down to what it needs.
    std::vector<int> order(columns);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if ((a == giving) != (b == giving))
            return a == giving;
        return widths[a] - needed[a] > widths[b] - needed[b];
    });
    for (int column : order) {
        if (excess <= 0)
            break;
        const int taken = std::min(excess, widths[column] - needed[column]);
        widths[column] -= taken;
        excess -= taken;
    }
    for (int column = 0; column < columns; ++column)
        grid.setColumnWidth(column, widths[column]);
}

} // namespace tarvela
