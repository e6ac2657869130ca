#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/Error.h"
#include "platform/IniFile.h"
#include "support/FaultSweep.h"
#include "support/TempDir.h"

using namespace tarvela;

namespace {

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

TEST(IniFileRead, SectionsAndKeysIgnoreCase)
{
    test::TempDir dir;
    writeFile(dir / "a.ini", "[MERKAN]\r\ndan22=21\r\n[Other]\r\nDan22=7\r\n");
    IniFile ini((dir / "a.ini").string());
    EXPECT_EQ(ini.readInteger("Merkan", "Dan22", 19), 21);
    EXPECT_EQ(ini.readInteger("other", "DAN22", 19), 7);
    EXPECT_EQ(ini.readInteger("Merkan", "Dan05", 5), 5);
    EXPECT_EQ(ini.readString("Nowhere", "Dan22", "x"), "x");
}

TEST(IniFileRead, ValuesAreTrimmedAndDecodedFrom1250)
{
    test::TempDir dir;
    writeFile(dir / "a.ini", "[Merkan]\nCestaData =  X:\\data\\  \nNazev=\x8Akoda \xE8\x65sk\xE1\n; Dan22=1\n");
    IniFile ini((dir / "a.ini").string());
    EXPECT_EQ(ini.readString("Merkan", "CestaData", ""), "X:\\data\\");
    EXPECT_EQ(ini.readString("Merkan", "Nazev", ""), "Škoda česká");
    EXPECT_FALSE(ini.hasKey("Merkan", "Dan22"));
}

TEST(IniFileRead, BadIntegerNamesTheValue)
{
    test::TempDir dir;
    writeFile(dir / "a.ini", "[Merkan]\nFakHeight=abc\nDan00=\nDan05=-3\nDan22=+4\nMainX=2147483648\n");
    IniFile ini((dir / "a.ini").string());
    try {
        ini.readInteger("Merkan", "FakHeight", 361);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid integer value");
    }
    EXPECT_THROW(ini.readInteger("Merkan", "Dan00", 0), Error);
    EXPECT_THROW(ini.readInteger("Merkan", "MainX", 0), Error);
    EXPECT_EQ(ini.readInteger("Merkan", "Dan05", 5), -3);
    EXPECT_EQ(ini.readInteger("Merkan", "Dan22", 19), 4);
}

TEST(IniFileRead, IntegerParsingRejectsNonsense)
{
    for (const char* bad : {"", "12a", "1 2", "+-1", "--1", "0x10", "1.5", "-"})
        EXPECT_THROW(parseIniInteger(bad), Error) << bad;
    EXPECT_EQ(parseIniInteger(" 42 "), 42);
    EXPECT_EQ(parseIniInteger("-2147483648"), -2147483648LL);
}

TEST(IniFileWrite, ChangesOnlyTheKeyLine)
{
    test::TempDir dir;
    const std::string before =
        "; Merkan\r\n[Merkan]\r\nMerkan=0001\r\n  HlavniTiskarna = 1\r\nPosun=\xE8\r\n\r\n[Jine]\nA=1\n";
    writeFile(dir / "m.ini", before);
    IniFile ini((dir / "m.ini").string());
    ini.writeInteger("merkan", "HLAVNITISKARNA", 3);
    std::string expected = before;
    expected.replace(expected.find("= 1"), 3, "=3");
    EXPECT_EQ(readFile(dir / "m.ini"), expected);
}

TEST(IniFileWrite, MissingKeyJoinsItsSectionWithTheFilesLineEnding)
{
    test::TempDir dir;
    writeFile(dir / "m.ini", "[Merkan]\r\nMerkan=0001\r\n\r\n[Jine]\r\nA=1");
    IniFile ini((dir / "m.ini").string());
    ini.writeInteger("Merkan", "FakHeight", 400);
    ini.writeString("Jine", "B", "Žluťoučký");
    EXPECT_EQ(readFile(dir / "m.ini"),
              "[Merkan]\r\nMerkan=0001\r\nFakHeight=400\r\n\r\n[Jine]\r\nA=1\r\nB=\x8Elu\x9Dou\xE8k\xFD\r\n");
    EXPECT_EQ(IniFile((dir / "m.ini").string()).readString("Jine", "B", ""), "Žluťoučký");
}

TEST(IniFileWrite, MissingSectionGoesToTheEnd)
{
    test::TempDir dir;
    writeFile(dir / "m.ini", "[Jine]\nA=1\n");
    IniFile((dir / "m.ini").string()).writeInteger("Merkan", "ParagonovaTiskarna", 2);
    EXPECT_EQ(readFile(dir / "m.ini"), "[Jine]\nA=1\n[Merkan]\nParagonovaTiskarna=2\n");
}

TEST(IniFileWrite, CreatesAMissingFile)
{
    test::TempDir dir;
    const auto path = (dir / "Merkan.ini").string();
    EXPECT_FALSE(IniFile::exists(path));
    IniFile ini(path);
    EXPECT_EQ(ini.readInteger("Merkan", "HlavniTiskarna", 1), 1);
    ini.writeInteger("Merkan", "HlavniTiskarna", 5);
    EXPECT_TRUE(IniFile::exists(path));
    EXPECT_EQ(readFile(path), "[Merkan]\r\nHlavniTiskarna=5\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(IniFileWrite, UnwritableFolderGivesAClearError)
{
    test::TempDir dir;
    IniFile ini((dir / "missing" / "Merkan.ini").string());
    try {
        ini.writeInteger("Merkan", "A", 2);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "Nelze zapsat soubor " + (dir / "missing" / "Merkan.ini").string());
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(IniFileWrite, AFailingWriteSyncOrRenameLeavesTheOldFileWhole)
{
    test::TempDir dir;
    const auto path = (dir / "Merkan.ini").string();
    const std::string before = "[Merkan]\r\nA=1\r\n";
    const std::string after = "[Merkan]\r\nA=2\r\n";
    for (FileOperation kind : {FileOperation::Write, FileOperation::Sync, FileOperation::Rename}) {
        const int runs = test::sweepFileFaults(
            kind, ENOSPC, [&] { writeFile(path, before); }, [&] { IniFile(path).writeInteger("Merkan", "A", 2); },
            [&](const test::FaultRun& run) {
                const std::string now = readFile(path);
                if (run.failed)  // a failed sync of the folder comes after the rename
                    EXPECT_TRUE(now == before || now == after) << "operation " << run.nth << ": " << now;
                else
                    EXPECT_EQ(now, after) << "operation " << run.nth;
                EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
            });
        EXPECT_GT(runs, 0);
    }
}

