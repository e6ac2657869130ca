// tarvela-dbf summary [--program-dir DIR]: the company's tables named by
// Merkan.ini and their record counts.
#include <iostream>

#include "Command.h"
#include "data/table/DbfTable.h"
#include "data/company/MerkanSettings.h"
#include "data/catalogue/TableCatalogue.h"
#include "platform/Error.h"
#include "platform/FileNames.h"
#include "platform/IniFile.h"
#include "platform/ProgramDirectory.h"

namespace tarvela::tool {

namespace {

// One line per table: member, file name, live records and all records, or
// why the table cannot be read.
void printTable(const CatalogueEntry& entry, const MerkanSettings& settings)
{
    const std::string fileName = entry.fileBaseName(settings.companyNumber) + ".DBF";
    std::cout << entry.member << '\t' << fileName << '\t';
    if (!findFileIgnoringCase(settings.dataDirectory, fileName)) {
        std::cout << "chybí\n";
        return;
    }
    try {
        DbfTable table;
        table.setDirectory(settings.dataDirectory);
        table.setTableName(fileName);
        table.setLockProtocol(entry.lockProtocol);
        table.setLayout(entry.layout);
        table.open();
        std::uint32_t live = 0;
        for (table.first(); !table.eof(); table.next())
            ++live;
        std::cout << live << '\t' << table.recordCount() << '\n';
    } catch (const Error& error) {
        std::cout << error.what() << '\n';
    }
}

int summary(std::vector<std::string> args)
{
    const std::string programDirectory = takeProgramDirectory(args);
    expectArguments(args, 0, "summary");
    const std::string iniPath = programDirectory + "Merkan.ini";
    if (!IniFile::exists(iniPath))
        throw Error(formatMessage("Nemohu najít soubor %s", iniPath));
    const MerkanSettings settings = readMerkanSettings(IniFile(iniPath), programDirectory,
                                                       PathMapping::load(programDirectory));
    std::cout << "Data: " << settings.dataDirectory << '\n'
              << "Company: " << settings.companyNumber << '\n'
              << "Table\tFile\tLive\tRecords\n";
    for (const CatalogueEntry& entry : tableCatalogue())
        printTable(entry, settings);
    return kExitOk;
}

const CommandRegistration registration{{"summary", "[--program-dir DIR]", summary}};

} // namespace

} // namespace tarvela::tool
