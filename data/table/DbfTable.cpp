#include "data/table/DbfTable.h"

#include <cctype>
#include <filesystem>

#include "data/table/DbfTableState.h"
#include "data/catalogue/FieldKinds.h"
#include "data/dbf/DbfFile.h"
#include "platform/Error.h"
#include "platform/FileNames.h"
#include "platform/Text.h"

namespace tarvela {

namespace {

bool hasExtension(const std::string& name)
{
    return std::filesystem::path(name).has_extension();
}

} // namespace

DbfTable::DbfTable() : settings_(std::make_unique<Settings>()), cursor_(std::make_unique<Cursor>()) {}

DbfTable::~DbfTable()
{
    try {
        close();
    } catch (...) {
        // Closing releases files and locks; nothing is left to report to.
    }
}

void DbfTable::setDirectory(const std::string& directory)
{
    if (isOpen())
        throw Error("Cannot perform this operation on an open dataset");
    settings_->directory = directory;
    if (!directory.empty() && directory.back() != '/' && directory.back() != '\\')
        settings_->directory += '/';
}

void DbfTable::setTableName(const std::string& name)
{
    if (isOpen())
        throw Error("Cannot perform this operation on an open dataset");
    settings_->tableName = name.empty() || hasExtension(name) ? name : name + ".DBF";
}

void DbfTable::setExclusive(bool exclusive)
{
    if (isOpen())
        throw Error("Cannot perform this operation on an open dataset");
    settings_->exclusive = exclusive;
}

void DbfTable::setLockProtocol(LockProtocol protocol)
{
    if (isOpen())
        throw Error("Cannot perform this operation on an open dataset");
    settings_->protocol = protocol;
}

void DbfTable::setLayout(const TableLayout* layout)
{
    if (isOpen())
        throw Error("Cannot perform this operation on an open dataset");
    settings_->layout = layout;
}

void DbfTable::setUserNumber(std::uint32_t number)
{
    settings_->userNumber = number;
}

const std::string& DbfTable::directory() const { return settings_->directory; }
const std::string& DbfTable::tableName() const { return settings_->tableName; }
bool DbfTable::isExclusive() const { return settings_->exclusive; }
LockProtocol DbfTable::lockProtocol() const { return settings_->protocol; }
const TableLayout* DbfTable::layout() const { return settings_->layout; }
bool DbfTable::isOpen() const { return file_ != nullptr; }
DbfTable::State DbfTable::state() const { return cursor_->state; }

std::string DbfTable::filePath() const
{
    return resolvePathIgnoringCase(settings_->directory + settings_->tableName);
}

void DbfTable::open()
{
    if (isOpen())
        return;
    if (settings_->tableName.empty())
        throw Error("Chybí jméno tabulky");
    auto file = std::make_unique<DbfFile>(filePath(),
                                          settings_->exclusive ? ShareMode::Exclusive : ShareMode::Shared,
                                          settings_->protocol, settings_->userNumber);
    if (settings_->layout)
        checkLayout(*settings_->layout, file->fields());
    Cursor fresh;
    for (std::size_t i = 0; i < file->fields().size(); ++i)
        fresh.fieldIndex.add(file->fields()[i].name, i);
    fresh.state = State::Browse;
    fresh.buffer = file->blankRecord();
    *cursor_ = std::move(fresh);
    file_ = std::move(file);
    indexes_ = std::make_unique<IndexSet>(*file_);
    settings_->failedOpening.clear();
    first();
}

void DbfTable::noteFailedOpening(const std::string& message)
{
    if (!isOpen())
        settings_->failedOpening = message;
}

void DbfTable::close()
{
    if (!isOpen())
        return;
    indexes_.reset();
    file_.reset();  // closing the file releases its locks
    *cursor_ = Cursor{};
    settings_->building = false;
}

void DbfTable::requireOpen() const
{
    if (isOpen())
        return;
    if (!settings_->failedOpening.empty())
        throw Error(settings_->failedOpening);
    throw Error(formatMessage("Tabulka %s není otevřena", settings_->tableName));
}

void DbfTable::requireIdle() const
{
    requireOpen();
    if (settings_->building)
        throw Error("Table is busy building an index");
}

bool DbfTable::hasIndexOrder() const
{
    return indexes_ && indexes_->hasActiveTag();
}

bool DbfTable::indexAttached() const
{
    return indexes_ && indexes_->tagCount() > 0;
}

std::string DbfTable::indexPath(const std::string& fileName) const
{
    std::string name = hasExtension(fileName) ? fileName : fileName + ".cdx";
    for (char& c : name)
        if (c == '\\')
            c = '/';
    if (!std::filesystem::path(name).is_absolute())
        name = settings_->directory + name;
    return resolvePathIgnoringCase(name);
}

void DbfTable::attachIndexFile(const std::string& fileName)
{
    requireIdle();
    indexes_->attach(indexPath(fileName));
}

void DbfTable::detachIndexFile(const std::string& fileName)
{
    requireIdle();
    indexes_->detach(indexPath(fileName));
}

DbfTable::IndexHold::IndexHold(DbfTable& table) : hold_(table.openIndexes()) {}

IndexSet& DbfTable::openIndexes()
{
    requireOpen();
    return *indexes_;
}

void DbfTable::selectTag(const std::string& tagName)
{
    requireIdle();
    indexes_->selectTag(tagName);
}

std::string DbfTable::activeTag() const
{
    return indexes_ ? indexes_->activeTagName() : std::string();
}

int DbfTable::attachedTagCount() const
{
    return indexes_ ? indexes_->tagCount() : 0;
}

void DbfTable::buildIndexTag(const std::string& indexFileName, const std::string& tagName,
                             const std::string& keyExpression, const std::string& forExpression,
                             bool unique, bool descending, const BuildProgress& progress)
{
    requireIdle();
    if (!settings_->exclusive)
        throw Error(formatMessage("Table %s must be opened exclusively to build an index", file_->fileName()));
    finishEditing();
    settings_->building = true;
    try {
        indexes_->buildTag(indexPath(indexFileName), tagName, keyExpression, forExpression, unique,
                           descending, progress);
    } catch (...) {
        settings_->building = false;
        throw;
    }
    settings_->building = false;
}

} // namespace tarvela
