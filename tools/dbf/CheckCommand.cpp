// tarvela-dbf check FILE [--index FILE.cdx]: every tag of the index file (by
// default the one of the table's own name) against the table. Prints
// "TAG ok N" per sound tag, or what is wrong with it ("TAG wrong: ..." for
// damage, "TAG collation: ..." for keys another collation ordered); exit 0
// when every tag is sound, 1 when one is not, 2 when a file cannot be read.
#include <filesystem>
#include <iostream>

#include "Command.h"
#include "data/table/IndexFileCheck.h"
#include "data/dbf/DbfFile.h"
#include "platform/Error.h"
#include "platform/FileNames.h"

namespace tarvela::tool {

namespace {

namespace fs = std::filesystem;

std::string defaultIndexFile(const fs::path& table)
{
    const std::string name = table.stem().string() + ".cdx";
    const auto found = findFileIgnoringCase(table.parent_path().string(), name);
    if (!found)
        throw Error(formatMessage("File %s could not be found", (table.parent_path() / name).string()));
    return *found;
}

void printReport(const TagReport& report)
{
    const auto& result = report.result;
    if (result.isSound())
        std::cout << report.name << " ok " << result.entries << '\n';
    if (result.foreignCollation)
        std::cout << report.name << " collation: keys not in the Czech collation order\n";
    for (const std::string& problem : result.problems)
        std::cout << report.name << " wrong: " << problem << '\n';
    if (result.drift > 0)
        std::cout << report.name << " drift: " << result.drift
                  << " keys lack the entry a rebuild would give them\n";
    if (!report.notCompared.empty())
        std::cout << report.name << " not compared with the table: " << report.notCompared << '\n';
}

int check(std::vector<std::string> args)
{
    const auto indexOption = takeOption(args, "--index");
    expectArguments(args, 1, "check");
    const fs::path tablePath = fs::absolute(args[0]);
    const std::string indexPath = indexOption ? resolvePathIgnoringCase(fs::absolute(*indexOption).string()) : defaultIndexFile(tablePath);
    DbfFile table(resolvePathIgnoringCase(tablePath.string()), ShareMode::Shared, LockProtocol::Clipper, 0);
    bool sound = true;
    for (const TagReport& report : checkIndexFile(indexPath, table)) {
        printReport(report);
        sound = sound && report.isSound();
    }
    return sound ? kExitOk : kExitFailed;
}

const CommandRegistration registration{{"check", "FILE [--index FILE.cdx]", check}};

} // namespace

} // namespace tarvela::tool
