#include <gtest/gtest.h>

#include "platform/FileNames.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"

using namespace tarvela;
using namespace tarvela::test;

TEST(FileNamesIgnoringCase, FindTheFileHoweverTheProgramSpellsIt)
{
    TempDir dir;
    writeBytes(dir / "Fak0001.DBF", "x");
    for (const char* spelling : {"Fak0001.DBF", "FAK0001.DBF", "fak0001.dbf"})
        EXPECT_EQ(findFileIgnoringCase(dir.str(), spelling), (dir / "Fak0001.DBF").string()) << spelling;
    EXPECT_FALSE(findFileIgnoringCase(dir.str(), "Fak0002.DBF"));
}

TEST(FileNamesIgnoringCase, ExactSpellingWinsOverAnotherCase)
{
    TempDir dir;
    writeBytes(dir / "den0001.cdx", "lower");
    writeBytes(dir / "DEN0001.CDX", "upper");
    EXPECT_EQ(findFileIgnoringCase(dir.str(), "DEN0001.CDX"), (dir / "DEN0001.CDX").string());
}

TEST(FileNamesIgnoringCase, ResolveEveryFolderOfAPath)
{
    TempDir dir;
    std::filesystem::create_directories(dir / "Merkan" / "Data");
    writeBytes(dir / "Merkan" / "Data" / "Usr0000.dbf", "x");
    EXPECT_EQ(resolvePathIgnoringCase(dir.str() + "/MERKAN/data/USR0000.DBF"),
              (dir / "Merkan" / "Data" / "Usr0000.dbf").string());
    const std::string missing = dir.str() + "/MERKAN/data/NONE.DBF";
    EXPECT_EQ(resolvePathIgnoringCase(missing), missing);
}
