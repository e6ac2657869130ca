// One DBF table of the shared data folder with its attached CDX index files,
// active tag, key range and record locks: the program's only way to its data.
// Text is UTF-8 here and code page 852 in the file. Whoever opens a table
// closes it; an existing record is changed only while it is locked.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/dbf/FieldValue.h"
#include "data/catalogue/TableLayout.h"
#include "data/cdx/IndexSet.h"
#include "data/dbf/RecordSource.h"
#include "platform/Date.h"

namespace tarvela {

class DbfFile;

class DbfTable {
public:
    enum class State { Closed, Browse, Edit, Insert };

    DbfTable();
    ~DbfTable();
    DbfTable(const DbfTable&) = delete;
    DbfTable& operator=(const DbfTable&) = delete;

    // Properties, set before opening.
    void setDirectory(const std::string& directory);  // separator added when missing
    void setTableName(const std::string& name);       // ".DBF" added without extension
    void setExclusive(bool exclusive);
    void setLockProtocol(LockProtocol protocol);
    void setLayout(const TableLayout* layout);        // nullptr: no field check
    void setUserNumber(std::uint32_t number);
    const std::string& directory() const;
    const std::string& tableName() const;
    std::string filePath() const;                     // resolved without regard to case
    bool isExclusive() const;
    LockProtocol lockProtocol() const;
    const TableLayout* layout() const;

    void open();
    void close();
    bool isOpen() const;
    // An opening that failed and was not reported, because the open
    // operations leave the table closed quietly: a later use of the closed
    // table reports this cause instead of only that the table is not open.
    // A successful opening forgets it.
    void noteFailedOpening(const std::string& message);
    State state() const;

    // Indexes. fileName without extension gets ".cdx"; relative names are in
    // the table's directory.
    void attachIndexFile(const std::string& fileName);
    void detachIndexFile(const std::string& fileName);
    void selectTag(const std::string& tagName);
    std::string activeTag() const;
    int attachedTagCount() const;
    void buildIndexTag(const std::string& indexFileName, const std::string& tagName,
                       const std::string& keyExpression, const std::string& forExpression,
                       bool unique, bool descending, const BuildProgress& progress = {});

    // Keeps the locks of the attached index files while alive (see
    // IndexSet::Hold): for the few steps of one document's rows. It must
    // end before the table is closed.
    class IndexHold {
    public:
        explicit IndexHold(DbfTable& table);

    private:
        IndexSet::Hold hold_;
    };

    // Navigation in the active tag's order or file order; deleted records skipped.
    void first();
    void last();
    void next();
    void prior();
    // Moves up to `count` records on (backward when negative) in the current
    // order and returns how many it moved; at an end eof or bof is set.
    int skip(int count);
    bool eof() const;
    bool bof() const;
    std::uint32_t recordNumber() const;
    void setRecordNumber(std::uint32_t recordNumber);
    std::uint32_t recordCount();

    bool seek(const std::string& key, bool exact = true, bool nearest = false);
    bool seekKey(const std::vector<FieldValue>& values);
    void setKeyRange(const std::string& low, const std::string& high);
    void clearKeyRange();
    bool locate(const std::vector<std::string>& fieldNames, const std::vector<FieldValue>& values);

    // Field access by name (case-insensitive). Unknown name: "Field '%s' not found".
    bool hasField(const std::string& name) const;
    const std::vector<FieldDescriptor>& fields() const;
    std::string asString(const std::string& field) const;
    std::int32_t asInteger(const std::string& field) const;
    double asFloat(const std::string& field) const;
    DayNumber asDate(const std::string& field) const;
    bool asBool(const std::string& field) const;
    bool isDeleted() const;

    void setString(const std::string& field, const std::string& value);
    void setInteger(const std::string& field, std::int32_t value);
    void setFloat(const std::string& field, double value);
    void setDate(const std::string& field, DayNumber value);
    void setBool(const std::string& field, bool value);

    // Editing. edit() locks the current record (one attempt).
    void edit();
    void append();
    void post();
    void cancel();
    void deleteRecord();

    bool lockRecord();
    void unlockRecord();
    bool lockTable();
    void unlockTable();

private:
    void requireOpen() const;
    IndexSet& openIndexes();
    void requireIdle() const;
    void requireEditing() const;
    bool hasIndexOrder() const;
    bool indexAttached() const;
    std::string indexPath(const std::string& fileName) const;
    const FieldDescriptor& fieldNamed(const std::string& name) const;
    std::string_view rawField(const FieldDescriptor& field) const;
    void storeField(const FieldDescriptor& field, const std::string& bytes);

    void loadRecord(std::uint32_t recordNumber);
    void showNoRecord();
    bool currentIsDeleted() const;
    std::uint32_t step(std::uint32_t from, int direction);
    void moveToLive(std::uint32_t candidate, int direction);
    void confirmSeekAnswer(std::uint32_t recordNumber);
    bool positionAfterSeek(const SeekResult& result, bool nearest, const std::string& partialKey852);
    bool sameSeekKey(const std::string& deletedBytes, const std::string& partialKey852) const;
    void finishEditing();
    bool matches(const std::vector<std::string>& fieldNames, const std::vector<FieldValue>& values) const;

    std::unique_ptr<DbfFile> file_;
    std::unique_ptr<IndexSet> indexes_;
    struct Settings;
    std::unique_ptr<Settings> settings_;
    struct Cursor;
    std::unique_ptr<Cursor> cursor_;
};

} // namespace tarvela
