// The temporary index files of a killed reindex go at the next reindex and
// at the start of the program; other programs' files, and the leftover of a
// table that someone still has open, stay.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "data/table/DbfTable.h"
#include "data/company/IndexLeftovers.h"
#include "support/CompanyFixture.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"

using namespace tarvela;
using namespace tarvela::test;

namespace fs = std::filesystem;

namespace {

std::vector<std::string> namesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(folder))
        names.push_back(item.path().filename().string());
    std::ranges::sort(names);
    return names;
}

bool hasTemporaryFile(const fs::path& folder)
{
    return std::ranges::any_of(namesIn(folder), [](const std::string& name) { return name.find(".new") != std::string::npos; });
}

} // namespace

TEST(IndexLeftovers, OnlyOurTemporaryNamesOfTablesNobodyHasOpenGo)
{
    TempDir dir;
    for (const char* table : {"Fak0001.DBF", "Sor0001.DBF"})
        writeTable(dir / table, {field("KOD", 'C', 4)}, {});
    for (const char* name : {"Fak0001.cdx.new", "FAK0001.CDX.new.new", "Orphan.cdx.new", "Sor0001.cdx.new",
                             "Den0001.cdx.newQ1w2E3", "Sor0001.cdx.newAb12Cd", "Fak0001.cdx.newer", "Fak0001.cdx",
                             "Fak0001.cdx.bak", "Fak0001.DBF.new", "notes.new"})
        writeBytes(dir / name, "x");
    DbfTable held;
    held.setDirectory(dir.str());
    held.setTableName("Sor0001");
    held.open();
    removeIndexLeftovers(dir.str());
    EXPECT_EQ(namesIn(dir.path()),
              (std::vector<std::string>{"Fak0001.DBF", "Fak0001.DBF.new", "Fak0001.cdx", "Fak0001.cdx.bak",
                                        "Fak0001.cdx.newer", "Sor0001.DBF", "Sor0001.cdx.new",
                                        "Sor0001.cdx.newAb12Cd", "notes.new"}));
}

TEST(IndexLeftovers, ReindexRemovesThoseOfAKilledRunAndLeavesNone)
{
    CompanyFixture company;
    company.addCard("K1", "Vrtačka", "G10");
    TData& data = company.data();
    const fs::path folder = company.dataDirectory();
    writeBytes(folder / "Sor0001.cdx.new", "half a file");
    writeBytes(folder / "Fak0001.cdx.newX7y8Z9", "");
    data.Index();
    EXPECT_FALSE(hasTemporaryFile(folder));
    EXPECT_TRUE(fs::exists(folder / "Sor0001.cdx"));
}
