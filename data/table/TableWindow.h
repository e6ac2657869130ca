// The rows of a DbfTable that a grid shows: a window of consecutive records
// in the table's order (active tag, key range, deleted records skipped, an
// optional row filter), read record by record and never more than the window
// holds, so a list over a hundred thousand invoices costs what it shows.
// After every operation the table stands on the current row's record, so a
// screen's commands act on what the user sees. Errors of the table layer
// pass to the caller; the window is then empty. Each operation is one read
// batch, so on a share a page of rows costs a few round trips.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tarvela {

class DbfTable;

struct WindowRow {
    std::uint32_t record = 0;
    std::vector<std::string> cells;
    int mark = 0;  // the owner's class of the row, e.g. its colour
};

class TableWindow {
public:
    // Fills a row from the record the table stands on.
    using RowReader = std::function<void(const DbfTable&, WindowRow&)>;
    // Whether the record the table stands on belongs to the list.
    using RowFilter = std::function<bool(const DbfTable&)>;

    TableWindow(DbfTable& table, RowReader reader, RowFilter filter = {});

    const std::vector<WindowRow>& rows() const { return rows_; }
    int capacity() const { return capacity_; }
    int currentRow() const { return current_; }  // -1 when empty
    std::uint32_t currentRecord() const;
    bool isEmpty() const { return rows_.empty(); }

    // The number of rows that fit; the current record stays where it was.
    void setCapacity(int rows);
    // Shows the record the table stands on (after a seek, first, last ...)
    // in the given row of the window, or as near to it as the ends allow.
    void showTableRecord(int wantedRow);
    void first();
    void last();
    // Moves the current row; the window follows it. Returns rows moved.
    int moveCurrent(int delta);
    // Moves the window; the current row stays on its record while it is
    // shown. Returns rows moved.
    int scroll(int delta);
    void setCurrentRow(int row);
    // Reads the rows again from the file: another program's changes show,
    // the current record keeps its row when it still belongs to the list,
    // otherwise the one that follows it takes its place.
    void refresh();
    void clear();

    // An estimate for a scroll bar: exact when both ends of the list are in
    // the window, otherwise the file's record count; the top row's place is
    // exact at either end and counted from there while scrolling.
    int estimatedCount() const;
    int estimatedTop() const { return top_; }
    // Moves the window so that its top row is about `ordinal`.
    void scrollTo(int ordinal);

private:
    bool accepted() const;
    bool stepAccepted(int direction);
    bool positionOnAccepted(std::uint32_t record);
    WindowRow readRow() const;
    void fillAround(int wantedRow);
    void keepAroundCurrent();
    void extend(int direction, int count);
    void standOnCurrent();
    void estimateTop();

    DbfTable& table_;
    RowReader reader_;
    RowFilter filter_;
    std::vector<WindowRow> rows_;
    int capacity_ = 1;
    int current_ = -1;
    bool atStart_ = true;
    bool atEnd_ = true;
    int top_ = 0;
};

} // namespace tarvela
