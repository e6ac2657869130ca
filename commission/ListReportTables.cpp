#include "commission/ListReportTables.h"

#include "commission/TDataSestavy.h"
#include "data/catalogue/TableCatalogue.h"

namespace tarvela {

namespace {

const char* const kDateTag = "DAT";

// Points the cursor at the data module's table of that member and opens it
// with the member's index file; any failure is reported as it comes.
void openCursor(TData& data, DbfTable& cursor, const std::string& member)
{
    const DbfTable& source = *data.table(member);
    const CatalogueEntry& entry = *findCatalogueEntry(member);
    cursor.close();
    cursor.setDirectory(source.directory());
    cursor.setTableName(source.tableName());
    cursor.setLockProtocol(entry.lockProtocol);
    cursor.setLayout(entry.layout);
    cursor.open();
    try {
        cursor.attachIndexFile(indexFileOf(member, data.settings().companyNumber));
        cursor.selectTag(kDateTag);
        cursor.first();
    } catch (...) {
        cursor.close();
        throw;
    }
}

void closeCursor(TData& data, DbfTable& cursor, const std::string& member)
{
    if (!cursor.isOpen())
        return;
    try {
        cursor.detachIndexFile(indexFileOf(member, data.settings().companyNumber));
    } catch (...) {
        // The file is closed with the table in any case.
    }
    cursor.close();
}

} // namespace

ListReportTables::ListReportTables(TDataSestavy& sestavy) : sestavy_(sestavy)
{
    TData& data = sestavy.data();
    splits_.emplace(data, data.DelProv, "DO1");
    cursorsOpenedHere_ = !sestavy.SesFak.isOpen();
    try {
        if (cursorsOpenedHere_) {
            openCursor(data, sestavy.SesFak, "Faktury");
            openCursor(data, sestavy.SesDob, "Dobropisy");
        }
        journal_.emplace(data, data.Denik, "DOK");
        cards_.emplace(data, data.Sortiment, "KAV");
        discounts_.emplace(data, data.FaktSlevy, "DO1");
        payments_.emplace(data, data.Vypisy, "Do1");
        salesmen_.emplace(data.Obchodnici);
    } catch (...) {
        releaseCursors();
        throw;
    }
}

ListReportTables::~ListReportTables()
{
    releaseCursors();
}

void ListReportTables::releaseCursors()
{
    if (!cursorsOpenedHere_)
        return;
    closeCursor(sestavy_.data(), sestavy_.SesFak, "Faktury");
    closeCursor(sestavy_.data(), sestavy_.SesDob, "Dobropisy");
    cursorsOpenedHere_ = false;
}

} // namespace tarvela
