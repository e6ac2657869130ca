#include "data/company/TData.h"

#include <exception>

#include "data/catalogue/IndexCatalogue.h"
#include "data/catalogue/TableCatalogue.h"
#include "data/table/IndexedOpening.h"

// The mode argument of the open operations is 0 at every call and has no
// effect; it stays for the callers' sake.

namespace tarvela {

namespace {

// The document headers and their discounts keep the index files they have
// when found open; the other tables get theirs when they have none.
WhenAlreadyOpen ruleWhenOpen(const std::string& member)
{
    const bool tagOnly = member == "Faktury" || member == "Dobropisy" || member == "FaktSlevy";
    return tagOnly ? WhenAlreadyOpen::SelectTagOnly : WhenAlreadyOpen::AttachWhenNoTags;
}

} // namespace

std::string TData::memberOf(const DbfTable& table) const
{
    for (const CatalogueEntry& entry : tableCatalogue())
        if (&(this->*entry.table) == &table)
            return entry.member;
    return {};
}

void TData::openTable(DbfTable& table, const std::string& tag)
{
    const std::string member = memberOf(table);
    if (!findIndexedTable(member)) {
        if (!table.isOpen())
            table.open();
        return;
    }
    const bool fresh = openWithIndex(table, indexFileOf(member, settings_.companyNumber), tag, ruleWhenOpen(member));
    if (fresh && &table == &Sortiment)
        rememberFirstCard();
}

void TData::closeTable(DbfTable& table)
{
    const std::string member = memberOf(table);
    if (findIndexedTable(member))
        closeWithIndex(table, indexFileOf(member, settings_.companyNumber));
    else
        table.close();
}

// The product lookup starts from the remembered card; until one has been
// found, that is the first record.
void TData::rememberFirstCard()
{
    if (lastCardRecord != 0)
        return;
    try {
        Sortiment.first();
        if (!Sortiment.eof())
            lastCardRecord = Sortiment.recordNumber();
    } catch (const std::exception&) {
    }
}

void TData::OpenFak(int, const std::string& tag) { openTable(Faktury, tag); }
void TData::OpenDob(int, const std::string& tag) { openTable(Dobropisy, tag); }
void TData::OpenFakSle(int, const std::string& tag) { openTable(FaktSlevy, tag); }
void TData::OpenVyp(int, const std::string& tag) { openTable(Vypisy, tag); }
void TData::OpenDen(int, const std::string& tag) { openTable(Denik, tag); }
void TData::OpenSor(int, const std::string& tag) { openTable(Sortiment, tag); }

void TData::CloseFak() { closeTable(Faktury); }
void TData::CloseDob() { closeTable(Dobropisy); }
void TData::CloseFakSle() { closeTable(FaktSlevy); }
void TData::CloseVyp() { closeTable(Vypisy); }
void TData::CloseDenik() { closeTable(Denik); }
void TData::CloseSor() { closeTable(Sortiment); }

} // namespace tarvela
