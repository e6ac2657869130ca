// The Qt model of a table browser: the rows of a TableWindow with the
// browser's columns, right-aligned numbers and an optional colour per row.
// It holds only the rows on screen; moving through the table goes through
// window() and then rowsReplaced().
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <functional>
#include <vector>

#include "data/table/TableWindow.h"
#include "gui/BrowserColumn.h"

namespace tarvela {

class TableBrowserModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The text colour of the record the table stands on; invalid: normal.
    using RowColour = std::function<QColor(const DbfTable&)>;

    TableBrowserModel(DbfTable& table, std::vector<BrowserColumn> columns, TableWindow::RowFilter filter = {},
                      QObject* parent = nullptr);

    void setRowColour(RowColour rule) { rowColour_ = std::move(rule); }
    TableWindow& window() { return window_; }
    const TableWindow& window() const { return window_; }
    const std::vector<BrowserColumn>& columns() const { return columns_; }
    // Call after the window changed its rows.
    void rowsReplaced();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void readRow(const DbfTable& table, WindowRow& row) const;
    bool isNumeric(int column) const;

    DbfTable& table_;
    std::vector<BrowserColumn> columns_;
    RowColour rowColour_;
    TableWindow window_;
    int shownRows_ = 0;
};

} // namespace tarvela
