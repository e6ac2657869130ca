// Navigation of a DbfTable: file order or the active tag's order, deleted
// records skipped, records appended by other programs picked up on the way.
#include "data/table/DbfTable.h"

#include "data/table/DbfTableState.h"
#include "data/cdx/Expression.h"
#include "data/dbf/DbfFile.h"
#include "platform/CodePage.h"

namespace tarvela {

namespace {

constexpr char kDeletedMark = '*';

FieldValue toOem(const FieldValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        return utf8ToOem(*text);
    return value;
}

} // namespace

void DbfTable::loadRecord(std::uint32_t recordNumber)
{
    file_->readRawRecord(recordNumber, cursor_->buffer);
    cursor_->recordNumber = recordNumber;
    cursor_->eof = false;
    cursor_->bof = false;
}

void DbfTable::showNoRecord()
{
    cursor_->recordNumber = 0;
    cursor_->buffer = file_->blankRecord();
    cursor_->eof = true;
    cursor_->bof = true;
}

bool DbfTable::currentIsDeleted() const
{
    return !cursor_->buffer.empty() && cursor_->buffer[0] == kDeletedMark;
}

// The record after (direction 1) or before (-1) record `from` in the current
// order; 0 when there is none. File order looks at the file length again when
// it passes the last record known, so appends by others become visible.
std::uint32_t DbfTable::step(std::uint32_t from, int direction)
{
    if (hasIndexOrder())
        return direction > 0 ? indexes_->next(from, cursor_->buffer) : indexes_->prior(from, cursor_->buffer);
    if (direction < 0)
        return from > 1 ? from - 1 : 0;
    if (from + 1 > file_->knownRecordCount())
        file_->currentRecordCount();
    return from + 1 <= file_->knownRecordCount() ? from + 1 : 0;
}

// Loads candidate, or the first live record from it on in the direction;
// leaves the cursor where it was and sets eof/bof when there is none. The
// start record waits in the spare buffer, so a step copies no bytes.
void DbfTable::moveToLive(std::uint32_t candidate, int direction)
{
    const std::uint32_t start = cursor_->recordNumber;
    cursor_->spare.swap(cursor_->buffer);
    while (candidate != 0) {
        loadRecord(candidate);
        if (!currentIsDeleted())
            return;
        candidate = step(candidate, direction);
    }
    if (start == 0 || cursor_->spare.empty()) {
        showNoRecord();
        return;
    }
    cursor_->recordNumber = start;
    cursor_->buffer.swap(cursor_->spare);
    (direction > 0 ? cursor_->eof : cursor_->bof) = true;
}

void DbfTable::first()
{
    requireIdle();
    finishEditing();
    showNoRecord();
    std::uint32_t candidate = 0;
    if (hasIndexOrder())
        candidate = indexes_->first();
    else if (file_->currentRecordCount() > 0)
        candidate = 1;
    moveToLive(candidate, 1);
}

void DbfTable::last()
{
    requireIdle();
    finishEditing();
    showNoRecord();
    moveToLive(hasIndexOrder() ? indexes_->last() : file_->currentRecordCount(), -1);
}

void DbfTable::next()
{
    requireIdle();
    finishEditing();
    if (cursor_->recordNumber == 0) {
        showNoRecord();
        return;
    }
    moveToLive(step(cursor_->recordNumber, 1), 1);
}

void DbfTable::prior()
{
    requireIdle();
    finishEditing();
    if (cursor_->recordNumber == 0) {
        showNoRecord();
        return;
    }
    moveToLive(step(cursor_->recordNumber, -1), -1);
}

int DbfTable::skip(int count)
{
    int moved = 0;
    for (; moved < count; ++moved) {
        next();
        if (eof())
            break;
    }
    for (; moved > count; --moved) {
        prior();
        if (bof())
            break;
    }
    return moved;
}

bool DbfTable::eof() const { return cursor_->eof; }
bool DbfTable::bof() const { return cursor_->bof; }
std::uint32_t DbfTable::recordNumber() const { return cursor_->recordNumber; }

void DbfTable::setRecordNumber(std::uint32_t recordNumber)
{
    requireIdle();
    finishEditing();
    loadRecord(recordNumber);
}

std::uint32_t DbfTable::recordCount()
{
    requireOpen();
    return file_->currentRecordCount();
}

// The tags keep deleted records. A seek that lands on one goes on to the
// next live record of the tag, which matches only if its own key does: the
// same key as the deleted entry's, or for a partial text seek one that
// begins with the text. Without a match and without nearest, the table is
// at its end.
bool DbfTable::positionAfterSeek(const SeekResult& result, bool nearest, const std::string& partialKey852)
{
    if (result.recordNumber == 0) {
        showNoRecord();
        return false;
    }
    loadRecord(result.recordNumber);
    confirmSeekAnswer(result.recordNumber);
    if (!currentIsDeleted())
        return result.matched;
    const std::string deletedBytes = cursor_->buffer;
    moveToLive(step(result.recordNumber, 1), 1);
    if (cursor_->recordNumber == result.recordNumber) {
        showNoRecord();
        return false;
    }
    const bool matched = result.matched && sameSeekKey(deletedBytes, partialKey852);
    if (!matched && !nearest)
        showNoRecord();
    return matched;
}

// A record kept from earlier in a read batch may predate the change that
// gave it the key it was just found by; only the record as the file holds
// it now can show that the index is damaged.
void DbfTable::confirmSeekAnswer(std::uint32_t recordNumber)
{
    if (indexes_->foundStillMatches(recordNumber, cursor_->buffer))
        return;
    file_->forgetKeptRecord(recordNumber);
    loadRecord(recordNumber);
    indexes_->confirmFound(recordNumber, cursor_->buffer);
}

bool DbfTable::sameSeekKey(const std::string& deletedBytes, const std::string& partialKey852) const
{
    const std::string active = indexes_->activeTagName();
    for (const TagInfo& tag : indexes_->tags()) {
        if (tag.name != active)
            continue;
        const cdx::Expression expression(tag.keyExpression, file_->fields());
        const std::string liveKey = expression.key(cursor_->buffer);
        if (!partialKey852.empty() && expression.type() == cdx::ValueType::Character)
            return liveKey.starts_with(partialKey852);
        return liveKey == expression.key(deletedBytes);
    }
    return false;
}

bool DbfTable::seek(const std::string& key, bool exact, bool nearest)
{
    requireIdle();
    finishEditing();
    const std::string key852 = utf8ToOem(key);
    const SeekResult result = indexes_->seek(key852, exact, nearest);
    const auto end = key852.find_last_not_of(' ');
    return positionAfterSeek(result, nearest, exact ? std::string() : key852.substr(0, end + 1));
}

bool DbfTable::seekKey(const std::vector<FieldValue>& values)
{
    requireIdle();
    finishEditing();
    std::vector<FieldValue> keyValues;
    for (const FieldValue& value : values)
        keyValues.push_back(toOem(value));
    const SeekResult result = indexes_->seekValues(keyValues);
    if (!result.matched)
        return false;
    const std::uint32_t before = cursor_->recordNumber;
    const std::string beforeBytes = cursor_->buffer;
    const bool eofBefore = cursor_->eof;
    const bool bofBefore = cursor_->bof;
    if (positionAfterSeek(result, false, std::string()))
        return true;
    cursor_->recordNumber = before;  // a failed key seek does not move
    cursor_->buffer = beforeBytes;
    cursor_->eof = eofBefore;
    cursor_->bof = bofBefore;
    return false;
}

void DbfTable::setKeyRange(const std::string& low, const std::string& high)
{
    requireIdle();
    finishEditing();
    if (low.empty() && high.empty())
        indexes_->clearKeyRange();
    else
        indexes_->setKeyRange(utf8ToOem(low), utf8ToOem(high));
    first();
}

void DbfTable::clearKeyRange()
{
    requireIdle();
    indexes_->clearKeyRange();
}

bool DbfTable::locate(const std::vector<std::string>& fieldNames, const std::vector<FieldValue>& values)
{
    requireIdle();
    finishEditing();
    const Cursor saved = *cursor_;
    for (first(); !eof(); next())
        if (matches(fieldNames, values))
            return true;
    cursor_->recordNumber = saved.recordNumber;
    cursor_->buffer = saved.buffer;
    cursor_->eof = saved.eof;
    cursor_->bof = saved.bof;
    return false;
}

} // namespace tarvela
