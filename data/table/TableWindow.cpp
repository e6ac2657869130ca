#include "data/table/TableWindow.h"

#include <algorithm>
#include <cstdlib>

#include "data/table/DbfTable.h"
#include "platform/ReadBatch.h"

namespace tarvela {

TableWindow::TableWindow(DbfTable& table, RowReader reader, RowFilter filter)
    : table_(table), reader_(std::move(reader)), filter_(std::move(filter))
{
}

std::uint32_t TableWindow::currentRecord() const
{
    return current_ >= 0 ? rows_[current_].record : 0;
}

bool TableWindow::accepted() const
{
    return !table_.isDeleted() && (!filter_ || filter_(table_));
}

bool TableWindow::stepAccepted(int direction)
{
    for (;;) {
        if (direction > 0) {
            table_.next();
            if (table_.eof())
                return false;
        } else {
            table_.prior();
            if (table_.bof())
                return false;
        }
        if (accepted())
            return true;
    }
}

// Stands on record, or when it no longer belongs to the list on the one
// after it, or else the one before it.
bool TableWindow::positionOnAccepted(std::uint32_t record)
{
    if (record == 0 || record > table_.recordCount())
        return false;
    table_.setRecordNumber(record);
    if (accepted() || stepAccepted(1))
        return true;
    table_.setRecordNumber(record);
    return stepAccepted(-1);
}

WindowRow TableWindow::readRow() const
{
    WindowRow row;
    row.record = table_.recordNumber();
    reader_(table_, row);
    return row;
}

void TableWindow::clear()
{
    rows_.clear();
    current_ = -1;
    atStart_ = atEnd_ = true;
    top_ = 0;
}

void TableWindow::setCapacity(int rows)
{
    const ReadBatch batch;
    capacity_ = std::max(1, rows);
    const int shown = static_cast<int>(rows_.size());
    if (shown > capacity_)
        return keepAroundCurrent();
    // A whole list that fits stays as it was read.
    if (shown > 0 && !(atStart_ && atEnd_))
        refresh();
}

// Fewer rows fit: the current row keeps its place as near as the ends
// allow, as a reading would put it, and the rows are not read again.
void TableWindow::keepAroundCurrent()
{
    const int shown = static_cast<int>(rows_.size());
    const int first = std::clamp(current_ - (capacity_ - 1), 0, shown - capacity_);
    rows_.erase(rows_.begin() + first + capacity_, rows_.end());
    rows_.erase(rows_.begin(), rows_.begin() + first);
    atStart_ = atStart_ && first == 0;
    atEnd_ = atEnd_ && first + capacity_ == shown;
    current_ -= first;
    estimateTop();
}

// Adds up to count rows before the first (direction < 0) or after the last
// row; notes an end of the list when it is met.
void TableWindow::extend(int direction, int count)
{
    if (count <= 0 || rows_.empty())
        return;
    table_.setRecordNumber(direction > 0 ? rows_.back().record : rows_.front().record);
    bool& end = direction > 0 ? atEnd_ : atStart_;
    end = false;
    for (int added = 0; added < count; ++added) {
        if (!stepAccepted(direction)) {
            end = true;
            return;
        }
        if (direction > 0) {
            rows_.push_back(readRow());
        } else {
            rows_.insert(rows_.begin(), readRow());
            ++current_;
        }
    }
}

void TableWindow::fillAround(int wantedRow)
{
    const std::uint32_t record = table_.recordNumber();
    clear();
    if (!table_.isOpen() || !positionOnAccepted(record))
        return;
    rows_.push_back(readRow());
    current_ = 0;
    atStart_ = atEnd_ = false;
    extend(-1, std::clamp(wantedRow, 0, capacity_ - 1));
    extend(1, capacity_ - static_cast<int>(rows_.size()));
    if (static_cast<int>(rows_.size()) < capacity_)
        extend(-1, capacity_ - static_cast<int>(rows_.size()));
    standOnCurrent();
    estimateTop();
}

void TableWindow::standOnCurrent()
{
    if (current_ >= 0)
        table_.setRecordNumber(rows_[current_].record);
}

void TableWindow::showTableRecord(int wantedRow)
{
    const ReadBatch batch;
    if (!table_.isOpen()) {
        clear();
        return;
    }
    if (table_.recordNumber() == 0) {
        table_.last();
        wantedRow = capacity_ - 1;
    }
    fillAround(wantedRow);
}

void TableWindow::first()
{
    const ReadBatch batch;
    if (!table_.isOpen())
        return clear();
    table_.first();
    fillAround(0);
    atStart_ = !rows_.empty();
    estimateTop();
}

void TableWindow::last()
{
    const ReadBatch batch;
    if (!table_.isOpen())
        return clear();
    table_.last();
    fillAround(capacity_ - 1);
    atEnd_ = !rows_.empty();
    estimateTop();
}

int TableWindow::moveCurrent(int delta)
{
    const ReadBatch batch;
    if (rows_.empty())
        return 0;
    const int before = top_ + current_;
    const int target = current_ + delta;
    const int last = static_cast<int>(rows_.size()) - 1;
    if (target < 0 || target > last) {
        scroll(target < 0 ? target : target - last);
        current_ = target < 0 ? 0 : static_cast<int>(rows_.size()) - 1;
    } else {
        current_ = target;
    }
    standOnCurrent();
    return top_ + current_ - before;
}

int TableWindow::scroll(int delta)
{
    const ReadBatch batch;
    if (rows_.empty() || delta == 0)
        return 0;
    if (std::abs(delta) > capacity_) {
        // A long way: step without reading rows, then fill from there.
        const int row = current_;
        table_.setRecordNumber(delta > 0 ? rows_.back().record : rows_.front().record);
        // The edge row in the direction moves by delta; the window is then
        // filled up to it.
        const int direction = delta > 0 ? 1 : -1;
        int moved = 0;
        while (std::abs(moved) < std::abs(delta) && stepAccepted(direction))
            moved += direction;
        const int oldTop = top_;
        fillAround(delta > 0 ? capacity_ - 1 : 0);
        current_ = std::min(row, static_cast<int>(rows_.size()) - 1);
        standOnCurrent();
        if (!atStart_ && !atEnd_)
            top_ = std::clamp(oldTop + moved, 1, std::max(1, estimatedCount() - capacity_ - 1));
        return top_ - oldTop;
    }
    const int size = static_cast<int>(rows_.size());
    int moved = 0;
    if (delta > 0) {
        extend(1, delta);
        const int drop = std::max(0, static_cast<int>(rows_.size()) - capacity_);
        rows_.erase(rows_.begin(), rows_.begin() + drop);
        if (drop > 0)
            atStart_ = false;
        current_ -= drop;
        moved = drop;
    } else {
        const int currentBefore = current_;
        extend(-1, -delta);
        const int added = static_cast<int>(rows_.size()) - size;
        if (static_cast<int>(rows_.size()) > capacity_) {
            rows_.resize(capacity_);
            atEnd_ = false;
        }
        current_ = currentBefore + added;
        moved = -added;
    }
    current_ = std::clamp(current_, 0, static_cast<int>(rows_.size()) - 1);
    standOnCurrent();
    top_ += moved;
    if (atStart_)
        top_ = 0;
    else if (atEnd_)
        top_ = std::max(0, estimatedCount() - static_cast<int>(rows_.size()));
    return moved;
}

void TableWindow::setCurrentRow(int row)
{
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return;
    current_ = row;
    standOnCurrent();
}

void TableWindow::refresh()
{
    const ReadBatch batch;
    if (!table_.isOpen())
        return clear();
    if (rows_.empty())
        return first();
    // Ends met before stay known when the same records still stand there;
    // a window that starts on its current row would not look past it.
    const std::uint32_t firstBefore = atStart_ ? rows_.front().record : 0;
    const std::uint32_t lastBefore = atEnd_ ? rows_.back().record : 0;
    const int row = current_;
    table_.setRecordNumber(std::min(currentRecord(), std::max<std::uint32_t>(1, table_.recordCount())));
    fillAround(row);
    if (rows_.empty())
        return first();
    atStart_ = atStart_ || rows_.front().record == firstBefore;
    atEnd_ = atEnd_ || rows_.back().record == lastBefore;
    estimateTop();
}

int TableWindow::estimatedCount() const
{
    const int shown = static_cast<int>(rows_.size());
    if (atStart_ && atEnd_)
        return shown;
    const int count = static_cast<int>(std::min<std::uint32_t>(table_.recordCount(), 1u << 30));
    return std::max(count, shown + (atStart_ ? 0 : 1) + (atEnd_ ? 0 : 1));
}

void TableWindow::estimateTop()
{
    const int count = estimatedCount();
    const int shown = static_cast<int>(rows_.size());
    if (atStart_ || rows_.empty()) {
        top_ = 0;
    } else if (atEnd_) {
        top_ = std::max(0, count - shown);
    } else {
        // Away from the ends the place is a guess: documents are appended
        // in the order of their numbers and dates, so the record number
        // says roughly where the row stands in those orders.
        const double share = static_cast<double>(rows_.front().record) / std::max<std::uint32_t>(1, table_.recordCount());
        top_ = std::clamp(static_cast<int>(share * count), 1, std::max(1, count - shown - 1));
    }
}

void TableWindow::scrollTo(int ordinal)
{
    const ReadBatch batch;
    if (rows_.empty())
        return;
    const int highest = std::max(0, estimatedCount() - static_cast<int>(rows_.size()));
    if (ordinal <= 0)
        first();
    else if (ordinal >= highest)
        last();
    else
        scroll(ordinal - top_);
}

} // namespace tarvela
