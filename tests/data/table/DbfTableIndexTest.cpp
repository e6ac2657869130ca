#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "data/dbf/DbfFile.h"
#include "data/table/DbfTable.h"
#include "data/table/IndexFileCheck.h"
#include "platform/CodePage.h"
#include "platform/Error.h"
#include "platform/RoundTrips.h"
#include "support/IndexBuilder.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

class DbfTableIndexTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeTable(dir / "Sor0001.DBF", {field("SOR_KAV", 'C', 7), field("SOR_NAC", 'C', 10)},
                   {{{"F000123", utf8ToOem("Dort")}},
                    {{"F00012", utf8ToOem("Čaj")}},
                    {{"F00011", utf8ToOem("Cukr")}, true},
                    {{"F00013", utf8ToOem("Cukr")}},
                    {{"F00010", utf8ToOem("cukr")}}});
        buildIndexTags(dir.path(), "Sor0001", {{"KAV", "SOR_KAV"}, {"NAC", "SOR_NAC"}});
        table.setDirectory(dir.str());
        table.setTableName("SOR0001");
        table.open();
        table.attachIndexFile("sor0001");
    }

    std::vector<std::string> column(const std::string& name)
    {
        std::vector<std::string> values;
        for (table.first(); !table.eof(); table.next())
            values.push_back(table.asString(name));
        return values;
    }

    TempDir dir;
    DbfTable table;
};

} // namespace

TEST_F(DbfTableIndexTest, NavigationFollowsTheActiveTagAndSkipsDeletedRecords)
{
    table.selectTag("kav");
    EXPECT_EQ(table.activeTag(), "KAV");
    EXPECT_EQ(table.attachedTagCount(), 2);
    EXPECT_EQ(column("SOR_KAV"), (std::vector<std::string>{"F00010", "F00012", "F000123", "F00013"}));
    table.selectTag("NAC");
    EXPECT_EQ(column("SOR_NAC"), (std::vector<std::string>{"Cukr", "cukr", "Čaj", "Dort"}));
    table.last();
    EXPECT_EQ(table.asString("SOR_NAC"), "Dort");
    table.prior();
    EXPECT_EQ(table.asString("SOR_NAC"), "Čaj");
    table.selectTag("");
    EXPECT_EQ(column("SOR_KAV"), (std::vector<std::string>{"F000123", "F00012", "F00013", "F00010"}));
}

TEST_F(DbfTableIndexTest, SeekTranslatesTheKeyAndHonoursExact)
{
    table.selectTag("NAC");
    EXPECT_TRUE(table.seek("Čaj"));
    EXPECT_EQ(table.recordNumber(), 2u);
    table.selectTag("KAV");
    EXPECT_TRUE(table.seek("F00012"));
    EXPECT_EQ(table.recordNumber(), 2u);
    EXPECT_FALSE(table.seek("F0001"));
    EXPECT_TRUE(table.eof());
    EXPECT_TRUE(table.seek("F0001", false));
    EXPECT_EQ(table.asString("SOR_KAV"), "F00010");
    EXPECT_FALSE(table.seek("F00011", true, true));
    EXPECT_EQ(table.asString("SOR_KAV"), "F00012");
    EXPECT_TRUE(table.seekKey({std::string("F00013")}));
    EXPECT_EQ(table.recordNumber(), 4u);
}

TEST_F(DbfTableIndexTest, SeekPassesOverDeletedEntries)
{
    table.selectTag("KAV");
    ASSERT_TRUE(table.seek("F00012"));
    table.deleteRecord();
    table.append();
    table.setString("SOR_KAV", "F00012");
    table.post();
    EXPECT_TRUE(table.seek("F00012"));
    EXPECT_EQ(table.recordNumber(), 6u);
    table.deleteRecord();
    EXPECT_FALSE(table.seek("F00012"));
    EXPECT_TRUE(table.eof());
    EXPECT_TRUE(table.seek("F00012", false));
    EXPECT_EQ(table.asString("SOR_KAV"), "F000123");
    EXPECT_FALSE(table.seekKey({std::string("F00011")}));
    EXPECT_EQ(table.asString("SOR_KAV"), "F000123");
}

TEST_F(DbfTableIndexTest, RangeIncludesKeysThatBeginWithTheBound)
{
    table.selectTag("KAV");
    table.setKeyRange("F00012", "F00012");
    EXPECT_EQ(table.asString("SOR_KAV"), "F00012");
    EXPECT_EQ(column("SOR_KAV"), (std::vector<std::string>{"F00012", "F000123"}));
    table.setKeyRange("", "");
    EXPECT_EQ(column("SOR_KAV").size(), 4u);
}

TEST_F(DbfTableIndexTest, WritesKeepTheTagsUpToDate)
{
    table.selectTag("KAV");
    ASSERT_TRUE(table.seek("F00010"));
    table.edit();
    table.setString("SOR_KAV", "F00099");
    table.post();
    table.append();
    table.setString("SOR_KAV", "F00001");
    table.setString("SOR_NAC", "Ananas");
    table.post();
    EXPECT_EQ(column("SOR_KAV"), (std::vector<std::string>{"F00001", "F00012", "F000123", "F00013", "F00099"}));
    table.selectTag("NAC");
    EXPECT_TRUE(table.seek("Ananas"));
    EXPECT_EQ(table.recordNumber(), 6u);
}

// The reader keeps the pages of its earlier seeks; the other table's change
// rewrites a leaf in place, so only the change counter tells the reader.
TEST_F(DbfTableIndexTest, CachedPagesGiveWayToAnotherWritersChangeOfTheSameLength)
{
    table.selectTag("KAV");
    ASSERT_TRUE(table.seek("F00013"));
    const auto lengthBefore = std::filesystem::file_size(dir / "Sor0001.cdx");
    DbfTable other;
    other.setDirectory(dir.str());
    other.setTableName("Sor0001");
    other.open();
    other.attachIndexFile("Sor0001");
    other.selectTag("KAV");
    ASSERT_TRUE(other.seek("F00013"));
    other.edit();
    other.setString("SOR_KAV", "F00014");
    other.post();
    ASSERT_EQ(std::filesystem::file_size(dir / "Sor0001.cdx"), lengthBefore);
    EXPECT_FALSE(table.seek("F00013"));
    EXPECT_TRUE(table.seek("F00014"));
    EXPECT_EQ(table.recordNumber(), 4u);
}

TEST_F(DbfTableIndexTest, SeekWithoutTagAndUnknownTagsAreErrors)
{
    EXPECT_THROW(table.seek("F00012"), Error);
    try {
        table.selectTag("XYZ");
        FAIL();
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Cannot find index tag XYZ");
    }
}

TEST_F(DbfTableIndexTest, BuildingNeedsTheTableExclusivelyAndKeepsItBusy)
{
    EXPECT_THROW(table.buildIndexTag("Sor0001", "X", "SOR_KAV", "", false, false), Error);
    table.close();
    table.setExclusive(true);
    table.open();
    std::vector<std::string> messages;
    table.buildIndexTag("Sor0001", "NEW", "SOR_NAC", "", false, false, [&](std::uint32_t, std::uint32_t) {
        try {
            table.next();
        } catch (const Error& error) {
            messages.push_back(error.what());
        }
    });
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.front(), "Table is busy building an index");
    table.attachIndexFile("Sor0001.cdx");
    EXPECT_NO_THROW(table.selectTag("NEW"));
    EXPECT_EQ(table.attachedTagCount(), 3);
}

// An index lock and page writes only where the entries change: a change of
// no key leaves the index file as it was without locking it, and appends
// that split pages write each update's pages in a few writes, after which
// every tag still checks sound and lists every record.
TEST(DbfTableIndexUpkeep, OnlyChangedEntriesCostLocksAndSplitsWriteTheirPagesTogether)
{
    TempDir dir;
    writeTable(dir / "Sor0002.DBF", {field("SOR_KAV", 'C', 7), field("SOR_NAC", 'C', 10), field("SOR_POZ", 'C', 20)},
               {{{"A000001", "Caj", ""}}});
    buildIndexTags(dir.path(), "Sor0002", {{"KAV", "SOR_KAV"}, {"NAC", "UPPER(SOR_NAC)"}});
    DbfTable table;
    table.setDirectory(dir.str());
    table.setTableName("Sor0002");
    table.open();
    table.attachIndexFile("Sor0002");
    table.selectTag("KAV");

    const std::string indexBefore = readBytes(dir / "Sor0002.cdx");
    ASSERT_TRUE(table.seek("A000001"));
    const RoundTripCounts beforeNote = roundTripCounts();
    table.edit();
    table.setString("SOR_POZ", "note");
    table.post();
    const RoundTripCounts note = roundTripCounts() - beforeNote;
    EXPECT_EQ(note.locks, 1u) << "the record lock alone";
    EXPECT_EQ(readBytes(dir / "Sor0002.cdx"), indexBefore);

    std::uint64_t most = 0;
    constexpr int kAppends = 600;
    for (int i = 0; i < kAppends; ++i) {
        const RoundTripCounts before = roundTripCounts();
        table.append();
        // Keys that land all over both tags, so that leaves split in the middle.
        table.setString("SOR_KAV", "B" + std::to_string(100000 + (i * 7919) % 100000));
        table.setString("SOR_NAC", "n" + std::to_string((i * 104729) % 9973));
        table.post();
        most = std::max(most, (roundTripCounts() - before).writes);
    }
    // The record and the table header, then the pages: the costliest of these
    // updates splits leaves in both tags, 11 writes when written page by page.
    EXPECT_LE(most, 8u);
    std::vector<std::string> keys;
    for (table.first(); !table.eof(); table.next())
        keys.push_back(table.asString("SOR_KAV"));
    EXPECT_EQ(keys.size(), std::size_t(kAppends + 1));
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
    table.close();
    DbfFile file((dir / "Sor0002.DBF").string(), ShareMode::Shared, LockProtocol::Clipper, 0);
    for (const TagReport& report : checkIndexFile((dir / "Sor0002.cdx").string(), file))
        EXPECT_TRUE(report.isSound()) << report.name;
}
