#include "data/company/TData.h"

#include <filesystem>

#include "data/catalogue/TableCatalogue.h"
#include "platform/Error.h"
#include "platform/FileNames.h"

namespace tarvela {

TData::TData(Ui& ui, std::string programDirectory)
    : TData(ui, programDirectory, PathMapping::load(programDirectory))
{
}

TData::TData(Ui& ui, std::string programDirectory, PathMapping mapping)
    : ui_(ui), mapping_(std::move(mapping))
{
    settings_.programDirectory = std::move(programDirectory);
}

std::string TData::iniPath() const
{
    return settings_.programDirectory + "Merkan.ini";
}

DbfTable* TData::table(const std::string& memberName)
{
    const CatalogueEntry* entry = findCatalogueEntry(memberName);
    return entry ? &(this->*entry->table) : nullptr;
}

bool TData::IniPrepare()
{
    MerkanSettings defaults;
    defaults.programDirectory = settings_.programDirectory;
    settings_ = defaults;
    if (!IniFile::exists(iniPath())) {
        ui_.showMessage("Konfigurační soubor " + settings_.programDirectory + "\\Merkan.ini nenalezen !");
        return false;
    }
    settings_ = readMerkanSettings(IniFile(iniPath()), settings_.programDirectory, mapping_);
    return true;
}

bool TData::DataCreate()
{
    try {
        if (!IniPrepare())
            return false;
        nameTables();
        if (!usersTableExists()) {
            ui_.showMessage("Data nejsou dostupná v adresáři " + settings_.dataDirectory);
            return false;
        }
        return true;
    } catch (const Error& error) {
        ui_.showMessage(error.what());
        return false;
    }
}

void TData::nameTables()
{
    for (const CatalogueEntry& entry : tableCatalogue())
        nameTable(this->*entry.table, entry);
}

void TData::nameTable(DbfTable& table, const CatalogueEntry& entry) const
{
    table.setDirectory(settings_.dataDirectory);
    table.setTableName(entry.fileBaseName(settings_.companyNumber));
    table.setLockProtocol(entry.lockProtocol);
    table.setLayout(entry.layout);
}

void TData::nameSecondHandle(DbfTable& handle, const DbfTable& table) const
{
    for (const CatalogueEntry& entry : tableCatalogue())
        if (&(this->*entry.table) == &table)
            return nameTable(handle, entry);
    throw Error("Table " + table.tableName() + " is not in the catalogue");
}

// The data directory followed directly by the name: a directory written
// without its trailing separator fails here, as it does in the sibling system.
bool TData::usersTableExists() const
{
    const std::string path = resolvePathIgnoringCase(settings_.dataDirectory + "USR0000.dbf");
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

} // namespace tarvela
