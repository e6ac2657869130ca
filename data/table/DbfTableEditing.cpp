// Changing records of a DbfTable: edit under the record lock, append under
// the header lock, post writes the record whole and keeps the tags up to
// date, and the record and table locks of the lock protocol.
#include "data/table/DbfTable.h"

#include "data/table/DbfTableState.h"
#include "data/dbf/DbfFile.h"
#include "platform/Error.h"

namespace tarvela {

namespace {
constexpr char kDeletedMark = '*';
constexpr const char* kLockedElsewhere = "Record is locked by another user";
}

void DbfTable::requireEditing() const
{
    if (cursor_->state != State::Edit && cursor_->state != State::Insert)
        throw Error("Dataset not in edit or insert mode");
}

// Moving away from a record being edited writes it, as the data-aware
// components of the sibling system do.
void DbfTable::finishEditing()
{
    if (cursor_->state == State::Edit || cursor_->state == State::Insert)
        post();
}

void DbfTable::edit()
{
    requireIdle();
    if (cursor_->state == State::Edit || cursor_->state == State::Insert)
        return;
    if (cursor_->recordNumber == 0) {
        append();
        return;
    }
    if (!lockRecord())
        throw Error(kLockedElsewhere);
    try {
        loadRecord(cursor_->recordNumber);  // another program may have changed it
    } catch (...) {
        unlockRecord();
        throw;
    }
    cursor_->original = cursor_->buffer;
    cursor_->state = State::Edit;
}

void DbfTable::append()
{
    requireIdle();
    finishEditing();
    cursor_->returnTo = cursor_->recordNumber;
    cursor_->buffer = file_->blankRecord();
    cursor_->original.clear();
    cursor_->recordNumber = 0;
    cursor_->eof = false;
    cursor_->bof = false;
    cursor_->state = State::Insert;
}

void DbfTable::post()
{
    requireIdle();
    if (cursor_->state == State::Edit) {
        indexes_->writeRecord(
            [&] {
                file_->writeRecord(cursor_->recordNumber, cursor_->buffer, cursor_->original);
                cursor_->state = State::Browse;
                file_->unlockRecord();
                return cursor_->recordNumber;
            },
            cursor_->original, cursor_->buffer);
    } else if (cursor_->state == State::Insert) {
        indexes_->writeRecord(
            [&] {
                cursor_->recordNumber = file_->appendRecord(cursor_->buffer);
                cursor_->state = State::Browse;
                return cursor_->recordNumber;
            },
            std::string(), cursor_->buffer);
    }
}

void DbfTable::cancel()
{
    requireOpen();
    if (cursor_->state == State::Edit) {
        cursor_->buffer = cursor_->original;
        cursor_->state = State::Browse;
        file_->unlockRecord();
    } else if (cursor_->state == State::Insert) {
        cursor_->state = State::Browse;
        if (cursor_->returnTo != 0)
            loadRecord(cursor_->returnTo);
        else
            showNoRecord();
    }
}

void DbfTable::deleteRecord()
{
    requireIdle();
    if (cursor_->state == State::Insert) {
        cancel();
        return;
    }
    if (cursor_->recordNumber == 0)
        return;
    if (cursor_->state == State::Edit)
        cancel();
    if (!lockRecord())
        throw Error(kLockedElsewhere);
    try {
        loadRecord(cursor_->recordNumber);
        const std::string stored = cursor_->buffer;
        cursor_->buffer[0] = kDeletedMark;
        file_->writeRecord(cursor_->recordNumber, cursor_->buffer, stored);
    } catch (...) {
        unlockRecord();
        throw;
    }
    unlockRecord();
    // The tags keep deleted records; the cursor moves on to a live one.
    const std::uint32_t deleted = cursor_->recordNumber;
    moveToLive(step(deleted, 1), 1);
    if (cursor_->recordNumber == deleted) {
        cursor_->eof = false;
        moveToLive(step(deleted, -1), -1);
    }
    if (cursor_->recordNumber == deleted)
        showNoRecord();
}

bool DbfTable::lockRecord()
{
    requireIdle();
    if (cursor_->recordNumber == 0)
        return false;
    return file_->lockRecord(cursor_->recordNumber, indexAttached());
}

void DbfTable::unlockRecord()
{
    requireOpen();
    file_->unlockRecord();
}

bool DbfTable::lockTable()
{
    requireIdle();
    return file_->lockTable();
}

void DbfTable::unlockTable()
{
    requireOpen();
    file_->unlockTable();
}

} // namespace tarvela
