// The table browser every list window uses: a read-only grid that selects
// whole rows, over a TableBrowserModel, with a scroll bar of its own. The
// grid holds only the rows that fit; the keys, the wheel and the scroll bar
// move through the table by its active tag. The scroll bar is approximate
// away from the ends of a large table (see TableWindow::estimatedCount).
// Whenever its window is activated again the rows are read anew, so changes
// by other programs show. A table-layer failure is shown once; the grid then
// stays empty and the window goes on working.
#pragma once

#include <QWidget>
#include <chrono>
#include <vector>

#include "gui/BrowserColumn.h"
#include "gui/TableBrowserModel.h"

class QScrollBar;
class QTableView;

namespace tarvela {

class Ui;

class TableBrowser : public QWidget {
    Q_OBJECT
public:
    TableBrowser(QWidget* parent, Ui& ui, DbfTable& table, std::vector<BrowserColumn> columns,
                 TableWindow::RowFilter filter = {});

    QTableView& view() const { return *view_; }
    TableBrowserModel& model() const { return *model_; }
    void setRowColour(TableBrowserModel::RowColour rule) { model_->setRowColour(std::move(rule)); }

    bool isEmpty() const { return model_->window().isEmpty(); }
    std::uint32_t currentRecord() const { return model_->window().currentRecord(); }

    // Navigation; each leaves the table on the current row's record.
    void first();
    void last();
    void prior();
    void next();
    // Shows the record the table now stands on as the top row (after a seek).
    void showTableRecord();
    // Reads the rows again and keeps the current record (after a write).
    void refresh();
    // Puts the table back on the current row's record, e.g. after another
    // operation walked it.
    void standOnCurrent();

signals:
    void currentChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(QKeyEvent& event);
    void followView(const QModelIndex& current);
    void scrollBarMoved(int value);
    void fitRows();
    void fitColumns();
    // Runs a move of the window and shows its result.
    template <typename Move> void run(Move move);
    // The same for a move that reads every row of the window afresh.
    template <typename Move> void readAgain(Move move);
    void showWindow();

    Ui& ui_;
    TableBrowserModel* model_;
    QTableView* view_;
    QScrollBar* scrollBar_;
    std::vector<int> designedWidths_;
    bool broken_ = false;
    bool showing_ = false;
    std::chrono::steady_clock::time_point rowsReadAt_{};
};

} // namespace tarvela
