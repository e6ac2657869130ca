// The common shape of the code-list windows (salesmen, users, user groups):
// a grid of the table's rows under a panel of commands. In selection mode it
// is a lookup: Enter or a double click closes it with OK on the current row.
// The table must be open; the window keeps it on the grid's current record.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "gui/GridPanel.h"
#include "gui/TableRowsModel.h"

class QTableView;

namespace tarvela {

class DbfTable;
class TData;

class CodeListWindow : public QDialog {
    Q_OBJECT
public:
    CodeListWindow(QWidget* owner, TData& data, DbfTable& table, std::vector<TableRowsModel::Column> columns,
                   std::initializer_list<GridStep> navigator);
    ~CodeListWindow() override;

    void setSelectionMode(bool on) { selectionMode_ = on; }
    bool selectionMode() const { return selectionMode_; }
    QTableView& grid() const { return *grid_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    GridPanel& panel() { return *panel_; }

    // Puts the table on the grid's current row; false when the grid is empty.
    bool followGrid();
    void refreshRows();
    // Runs a form on the current record, changed under its record lock, or
    // on a new one; posts it when runForm answers true, cancels it otherwise.
    void editInForm(bool isNew, const std::function<bool()>& runForm);
    // Ctrl+Delete in the grid: true when there is a current row and the user
    // answered "Delete record?" with OK.
    bool confirmDelete();

    TData& data_;
    DbfTable& table_;

private:
    void chooseCurrent();
    void showCurrentRow();

    bool selectionMode_ = false;
    TableRowsModel* rows_;
    QTableView* grid_;
    std::unique_ptr<GridPanel> panel_;
};

} // namespace tarvela
