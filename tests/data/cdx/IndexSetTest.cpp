#include <gtest/gtest.h>

#include <filesystem>

#include "MemoryTable.h"
#include "support/TempDir.h"
#include "data/cdx/IndexSet.h"
#include "platform/CodePage.h"
#include "platform/Error.h"

using namespace tarvela;
using test::MemoryTable;

namespace {

struct Fixture {
    test::TempDir dir;
    MemoryTable table;
    IndexSet indexes{table};
    std::string path = (dir / "test.cdx").string();

    explicit Fixture(const std::vector<MemoryTable::Column>& columns) : table(columns) {}

    void build(const std::string& tag, const std::string& key, const std::string& condition = "", bool unique = false,
               bool descending = false)
    {
        indexes.buildTag(path, tag, key, condition, unique, descending, {});
        if (!indexes.isAttached(path))
            indexes.attach(path);
        indexes.selectTag(tag);
    }

    std::vector<std::uint32_t> walk()
    {
        std::vector<std::uint32_t> records;
        for (auto r = indexes.first(); r != 0; r = indexes.next(r, table.raw(r)))
            records.push_back(r);
        return records;
    }

    std::vector<std::uint32_t> walkBack()
    {
        std::vector<std::uint32_t> records;
        for (auto r = indexes.last(); r != 0; r = indexes.prior(r, table.raw(r)))
            records.push_back(r);
        return records;
    }
};

using Records = std::vector<std::uint32_t>;

} // namespace

TEST(CdxSeek, ExactKeyIgnoresLongerKeysAndPartialFindsFirst)
{
    Fixture f({{"HLA_DO1", 'C', 10}});
    f.table.append({"F000123"});
    f.table.append({"F00012"});
    f.table.append({"F00011"});
    f.build("DO1", "HLA_DO1");
    EXPECT_EQ(f.indexes.seek("F00012", true, false).recordNumber, 2u);
    EXPECT_TRUE(f.indexes.seek("F00012   ", true, false).matched);
    const SeekResult partial = f.indexes.seek("F00012", false, false);
    EXPECT_TRUE(partial.matched);
    EXPECT_EQ(partial.recordNumber, 2u);  // F00012 sorts before F000123

    f.table.replace(2, f.table.record({"F00010"}));
    f.indexes.recordWritten(2, f.table.record({"F00012"}), f.table.raw(2));
    EXPECT_FALSE(f.indexes.seek("F00012", true, false).matched);
    EXPECT_EQ(f.indexes.seek("F00012", true, false).recordNumber, 0u);
    EXPECT_EQ(f.indexes.seek("F00012", false, false).recordNumber, 1u);
    const SeekResult near = f.indexes.seek("F00012", true, true);
    EXPECT_FALSE(near.matched);
    EXPECT_EQ(near.recordNumber, 1u);
    EXPECT_EQ(f.indexes.seek("G", true, true).recordNumber, 0u);
}

TEST(CdxSeek, WithoutActiveTagFails)
{
    Fixture f({{"HLA_DO1", 'C', 10}});
    try {
        f.indexes.seek("X", true, false);
        FAIL();
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "No index is assigned for Find operation");
    }
}

TEST(CdxSeek, NumericAndDateTagsParseTheText)
{
    Fixture f({{"N", 'N', 10, 2}, {"D", 'D', 8}});
    f.table.append({"12.50", "20240115"});
    f.table.append({"-3", "20000101"});
    f.table.append({"100", ""});
    f.build("NUM", "N");
    EXPECT_EQ(f.walk(), (Records{2, 1, 3}));
    EXPECT_EQ(f.indexes.seek("12.5", true, false).recordNumber, 1u);
    EXPECT_EQ(f.indexes.seek("12,5", true, false).recordNumber, 1u);
    EXPECT_FALSE(f.indexes.seek("abc", true, false).matched);
    EXPECT_EQ(f.indexes.seek("50", true, true).recordNumber, 3u);
    f.build("DAT", "D");
    EXPECT_EQ(f.walk(), (Records{3, 2, 1}));
    EXPECT_EQ(f.indexes.seek("15.01.2024", true, false).recordNumber, 1u);
    EXPECT_EQ(f.indexes.seek("20000101", true, false).recordNumber, 2u);
    EXPECT_EQ(f.indexes.seekValues({DateValue{toDayNumber({2000, 1, 1})}}).recordNumber, 2u);
}

TEST(CdxSeek, SeekValuesBuildsConcatenatedKeys)
{
    Fixture f({{"A", 'C', 3}, {"B", 'N', 5}});
    f.table.append({"X", "7"});
    f.table.append({"X", "12"});
    f.build("AB", "A+UPPER(A)");
    EXPECT_EQ(f.indexes.seekValues({std::string("X")}).recordNumber, 1u);
    EXPECT_FALSE(f.indexes.seekValues({std::string("Y")}).matched);
}

TEST(CdxKeyRange, BoundsAreInclusivePrefixes)
{
    Fixture f({{"HLA_DO1", 'C', 10}});
    for (const char* key : {"F00011", "F000123", "F00012", "F00013", "F0001"})
        f.table.append({key});
    f.build("DO1", "HLA_DO1");
    f.indexes.setKeyRange("F00012", "F00012  ");
    EXPECT_EQ(f.walk(), (Records{3, 2}));
    EXPECT_EQ(f.walkBack(), (Records{2, 3}));
    f.indexes.setKeyRange("F00012", "F00013");
    EXPECT_EQ(f.walk(), (Records{3, 2, 4}));
    f.indexes.setKeyRange("", "F00011");
    EXPECT_EQ(f.walk(), (Records{5, 1}));
    f.indexes.setKeyRange("", "");
    EXPECT_FALSE(f.indexes.hasKeyRange());
    EXPECT_EQ(f.walk().size(), 5u);
}

TEST(CdxTagOrder, CzechOrderUnderUpperAndPlainKeys)
{
    Fixture f({{"SOR_NAC", 'C', 8}});
    for (const char* name : {"Čaj", "Dort", "Cukr", "cukr"})
        f.table.append({utf8ToOem(name)});
    f.build("NAC", "SOR_NAC");
    EXPECT_EQ(f.walk(), (Records{3, 4, 1, 2}));
    f.build("UNAC", "UPPER(SOR_NAC)");
    EXPECT_EQ(f.walk(), (Records{3, 4, 1, 2}));
    f.indexes.selectTag("unac");
    EXPECT_EQ(f.indexes.activeTagName(), "UNAC");
    EXPECT_EQ(f.indexes.seek(utf8ToOem("čaj"), true, false).matched, false);
    EXPECT_EQ(f.indexes.seek(utf8ToOem("ČAJ"), true, false).recordNumber, 1u);
}

TEST(CdxTagOrder, TagNamesInAnyCaseAndUnknownTags)
{
    Fixture f({{"HLA_DO1", 'C', 10}});
    f.table.append({"A"});
    f.build("DO1", "HLA_DO1");
    f.indexes.selectTag("Do1");
    EXPECT_EQ(f.indexes.activeTagName(), "DO1");
    EXPECT_EQ(f.indexes.tagCount(), 1);
    try {
        f.indexes.selectTag("XYZ");
        FAIL();
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Cannot find index tag XYZ");
    }
}

TEST(CdxTagOrder, UniqueTagKeepsFirstRecordOfEachKey)
{
    Fixture f({{"SOR_KAR", 'C', 6}});
    for (const char* key : {"B", "A", "B", "A", "C"})
        f.table.append({key});
    f.build("KAR", "SOR_KAR", "", true);
    EXPECT_EQ(f.walk(), (Records{2, 1, 5}));
    f.table.append({"A"});
    f.indexes.recordWritten(6, "", f.table.raw(6));
    EXPECT_EQ(f.walk(), (Records{2, 1, 5}));
    EXPECT_TRUE(f.indexes.tags().at(0).unique);
}

TEST(CdxTagOrder, ForConditionAdmitsOnlyMatchingRecords)
{
    Fixture f({{"SOR_NAC", 'C', 8}, {"SKL_STA", 'N', 8, 2}});
    f.table.append({"B", "1"});
    f.table.append({"A", "0"});
    f.table.append({"C", "-2"});
    f.table.append({"D", "3.5"});
    f.build("PUJ", "SOR_NAC", "SKL_STA >0");
    EXPECT_EQ(f.walk(), (Records{1, 4}));
    const std::string before = f.table.raw(2);
    f.table.replace(2, f.table.record({"A", "5"}));
    f.indexes.recordWritten(2, before, f.table.raw(2));
    EXPECT_EQ(f.walk(), (Records{2, 1, 4}));
    const std::string old1 = f.table.raw(1);
    f.table.replace(1, f.table.record({"B", "0"}));
    f.indexes.recordWritten(1, old1, f.table.raw(1));
    EXPECT_EQ(f.walk(), (Records{2, 4}));
    EXPECT_EQ(f.indexes.tags().at(0).forExpression, "SKL_STA >0");
}

TEST(CdxTagOrder, DescendingTagReversesOrder)
{
    Fixture f({{"D", 'D', 8}});
    for (const char* date : {"20240115", "18991230", "", "20000101", "20240115"})
        f.table.append({date});
    f.build("KAV", "D", "", false, true);
    EXPECT_EQ(f.walk(), (Records{5, 1, 4, 2, 3}));
    EXPECT_EQ(f.walkBack(), (Records{3, 2, 4, 1, 5}));
    EXPECT_EQ(f.indexes.seek("01.01.2000", true, false).recordNumber, 4u);
    EXPECT_EQ(f.indexes.seek("01.01.2010", true, true).recordNumber, 4u);
    f.indexes.setKeyRange("18991230", "20000101");
    EXPECT_EQ(f.walk(), (Records{4, 2}));
}

TEST(CdxIndexFile, MissingAndDamagedFilesGiveClearErrors)
{
    Fixture f({{"A", 'C', 4}});
    try {
        f.indexes.attach(f.path);
        FAIL();
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "File " + f.path + " could not be found");
    }
}
