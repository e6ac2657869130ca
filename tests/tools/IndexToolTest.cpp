#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "data/table/DbfTable.h"
#include "platform/CodePage.h"
#include "platform/WholeFile.h"
#include "support/ForeignLock.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

ino_t inodeOf(const std::filesystem::path& path)
{
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_ino;
}

std::string quoted(const std::filesystem::path& path)
{
    return "'" + path.string() + "'";
}

ToolRun dbf(const std::string& arguments, const TempDir& dir)
{
    return runTool("tarvela-dbf", arguments, dir);
}

// Invoices F00012 and F000123 with dates, indexed by number (unique) and date.
class InvoiceIndex : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeTable(table(), {field("HLA_DO1", 'C', 10), field("HLA_DAT", 'D', 8), field("HLA_HOD", 'N', 10, 2)},
                   {{{"F000123", "20240301", "10"}},
                    {{"F00012", "20240215", "-2.5"}},
                    {{"F00013", "20240301", "7"}, true},
                    {{"F00012", "20240101", "1"}}});
        DbfTable invoices;
        invoices.setDirectory(dir.str());
        invoices.setTableName("FAK0001.DBF");
        invoices.setExclusive(true);
        invoices.open();
        invoices.buildIndexTag(index().string(), "DO1", "HLA_DO1", "", true, false);
        invoices.buildIndexTag(index().string(), "DAT", "HLA_DAT", "", false, true);
        invoices.buildIndexTag(index().string(), "HOD", "HLA_HOD", "HLA_HOD >0", false, false);
        invoices.close();
    }

    std::filesystem::path table() const { return dir / "FAK0001.DBF"; }
    std::filesystem::path index() const { return dir / "FAK0001.cdx"; }
    std::string tableAndIndex() const { return quoted(table()) + " --index " + quoted(index()); }

    TempDir dir;
};

// A compound index written the way other xBase engines write it: the leaf
// of the format notes' worked example, a little-endian change counter and
// the undocumented node attribute bit 0x04.
void writeForeignIndex(const std::filesystem::path& path)
{
    std::string file(0xC00, '\0');
    auto put = [&](std::size_t offset, std::initializer_list<int> bytes) {
        for (int byte : bytes)
            file[offset++] = static_cast<char>(byte);
    };
    put(0x000, {0x00, 0x04, 0, 0, 0, 0, 0, 0, 0x34, 0x0D, 0, 0, 0x0A, 0x00, 0xE0, 0x01});
    put(0x1F8, {0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00});
    put(0x400, {0x03, 0x00, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xE2, 0x01, 0xFF, 0xFF,
                0x00, 0x00, 0x0F, 0x0F, 0x10, 0x04, 0x04, 0x03, 0x00, 0x06, 0x70});
    put(0x5FD, {'N', 'A', 'C'});
    put(0x600, {0x00, 0x0A, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x08, 0x00, 0x60, 0x01});
    put(0x7F8, {0x06, 0x00, 0x01, 0x00, 0x00, 0x00, 0x06, 0x00, 'N', 'A', 'Z', 'E', 'V'});
    put(0xA00, {0x07, 0x00, 0x05, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xCB, 0x01, 0xFF, 0x00,
                0x00, 0x00, 0x0F, 0x0F, 0x08, 0x04, 0x04, 0x02, 0x01, 0x40, 0x04, 0x04, 0x02, 0x40, 0x03, 0x50,
                0x05, 0x40});
    put(0xBED, {0x44, 0x6F, 0x72, 0x74, 0xAC, 0x61, 0x6A, 0x63, 0x75, 0x6B, 0x72, 0x6F, 0x76, 0x61, 0x72, 0x43,
                0x75, 0x6B, 0x72});
    writeBytes(path, file);
}

} // namespace

TEST_F(InvoiceIndex, TagsListsExpressionsAndFlags)
{
    const ToolRun run = dbf("tags " + quoted(index()), dir);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "DO1\tHLA_DO1\t\tunique\nDAT\tHLA_DAT\t\tdescending\nHOD\tHLA_HOD\tHLA_HOD >0\n");
}

TEST_F(InvoiceIndex, DumpFollowsTheTag)
{
    const ToolRun run = dbf("dump " + tableAndIndex() + " --tag dat --fields HLA_DO1,HLA_DAT", dir);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "1\tF000123\t01.03.2024\n2\tF00012\t15.02.2024\n4\tF00012\t01.01.2024\n");
}

TEST_F(InvoiceIndex, SeekExactPartialAndNear)
{
    ToolRun run = dbf("seek " + tableAndIndex() + " --tag DO1 F00012", dir);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "2\n");

    run = dbf("seek " + tableAndIndex() + " --tag DO1 --partial F000", dir);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "2\n");

    run = dbf("seek " + tableAndIndex() + " --tag DO1 F0001", dir);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "EOF\n");

    run = dbf("seek " + tableAndIndex() + " --tag DO1 --near F00011", dir);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "2\n");
}

TEST_F(InvoiceIndex, CheckPassesEveryTag)
{
    const ToolRun run = dbf("check " + quoted(table()), dir);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "DO1 ok 3\nDAT ok 4\nHOD ok 3\n");
}

TEST_F(InvoiceIndex, IndexFilesAreNamedInAnyCase)
{
    const std::string otherCase = quoted(dir / "fak0001.CDX");
    ToolRun run = dbf("tags " + otherCase, dir);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 4), "DO1\t");

    run = dbf("check " + quoted(table()) + " --index " + otherCase, dir);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "DO1 ok 3\nDAT ok 4\nHOD ok 3\n");

    run = dbf("seek " + quoted(table()) + " --index " + otherCase + " --tag DO1 F00012", dir);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "2\n");
}

TEST_F(InvoiceIndex, CheckFindsARecordChangedBehindTheIndex)
{
    std::string bytes = readBytes(table());
    const auto at = bytes.find("F000123");
    bytes.replace(at, 7, "F000999");
    writeBytes(table(), bytes);

    const ToolRun run = dbf("check " + tableAndIndex(), dir);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("DO1 wrong: record 1"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("DAT ok 4"), std::string::npos) << run.out;
}

TEST_F(InvoiceIndex, CheckRefusesUnreadableFiles)
{
    const std::string whole = readBytes(index());
    writeBytes(index(), whole.substr(0, 700));
    ToolRun run = dbf("check " + tableAndIndex(), dir);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_FALSE(run.err.empty());

    writeBytes(index(), std::string(2048, 'x'));
    run = dbf("check " + tableAndIndex(), dir);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("corrupted"), std::string::npos) << run.err;

    std::filesystem::remove(index());
    run = dbf("check " + quoted(table()), dir);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("could not be found"), std::string::npos) << run.err;
}

TEST(ForeignIndex, ReadAndCheckedLikeOurOwn)
{
    TempDir dir;
    writeTable(dir / "SOR.DBF", {field("NAZEV", 'C', 8)},
               {{{"Cukr"}}, {{"cukr"}}, {{utf8ToOem("Čaj")}}, {{"Cukrovar"}}, {{"Dort"}}});
    writeForeignIndex(dir / "SOR.CDX");

    ToolRun run = dbf("tags " + quoted(dir / "SOR.CDX"), dir);
    EXPECT_EQ(run.out, "NAC\tNAZEV\t\n") << run.err;

    run = dbf("dump " + quoted(dir / "SOR.DBF") + " --index " + quoted(dir / "SOR.CDX") + " --tag NAC", dir);
    EXPECT_EQ(run.out, "1\tCukr\n4\tCukrovar\n2\tcukr\n3\tČaj\n5\tDort\n") << run.err;

    run = dbf("check " + quoted(dir / "SOR.DBF"), dir);
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "NAC ok 5\n");
}

TEST(ReindexTool, RebuildsTheDemoCompanyAndNamesAMissingTable)
{
    TempDir dir;
    const ToolRun demo = runTool("tarvela-demo", quoted(dir / "firma"), dir);
    ASSERT_EQ(demo.exitCode, 0) << demo.err;
    const std::string data = (dir / "firma" / "data").string() + "/";
    std::filesystem::remove(std::filesystem::path(data) / "Skl0001.DBF");

    const ToolRun run = dbf("reindex --program-dir " + quoted(dir / "firma"), dir);
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_NE(run.out.find("Nenalezen soubor " + data + "Skl0001.dbf\n"), std::string::npos) << run.out;
    EXPECT_TRUE(run.out.ends_with("Not reindexed: Skl0001.DBF\n")) << run.out;

    const ToolRun check = dbf("check " + quoted(std::filesystem::path(data) / "den0001.DBF"), dir);
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
}

TEST(ReindexTool, LeavesOutTheTableWhoseIndexAnotherProgramHoldsAndSaysSo)
{
    TempDir dir;
    const ToolRun demo = runTool("tarvela-demo", quoted(dir / "firma"), dir);
    ASSERT_EQ(demo.exitCode, 0) << demo.err;
    const std::filesystem::path data = dir / "firma" / "data";
    const std::string before = readWholeFile(data / "Fak0001.cdx");
    const ino_t inode = inodeOf(data / "Fak0001.cdx");
    const ForeignLock seeking((data / "Fak0001.cdx").string(), 1'000'000'000, 1);
    ASSERT_TRUE(seeking.isHeld());

    const ToolRun run = dbf("reindex --program-dir " + quoted(dir / "firma"), dir);

    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.out, "S tabulkou Fak0001.DBF právě pracuje jiný program, její index zůstal beze změny. Spusťte "
                       "indexaci, až s ní nebude nikdo pracovat.\nNot reindexed: Fak0001.DBF\n");
    EXPECT_EQ(readWholeFile(data / "Fak0001.cdx"), before);
    EXPECT_EQ(inodeOf(data / "Fak0001.cdx"), inode) << "a rebuilt index is a new file";
    const ToolRun check = dbf("check " + quoted(data / "Dob0001.DBF"), dir);
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
}
