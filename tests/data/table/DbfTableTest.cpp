#include <gtest/gtest.h>

#include "data/table/DbfTable.h"
#include "platform/Error.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

const std::vector<FieldDescriptor> obchodniciFields{
    field("OBC_KOD", 'C', 3), field("OBC_NAZ", 'C', 20), field("OBC_SPL", 'N', 5),
    field("OBC_LIM", 'N', 10, 2), field("OBC_DAT", 'D', 8), field("OBC_AKT", 'L', 1),
    field("OBC_XXX", 'C', 4)};

class DbfTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeTable(dir / "Obc0001.DBF", obchodniciFields,
                   {{{"001", "Nov\xA0k", "30", "1500.50", "20240115", "T", "ab\x01z"}},
                    {{"002", "Smazan\xEC", "10", "", "", "F", ""}, true},
                    {{"003", "\xAC" "ern\xEC", "", "", "        ", "Y", ""}},
                    {{"004", "Dvo\xFD\xA0k", "-5", "0.1", "20070101", " ", "qq"}}});
        table.setDirectory(dir.str());
        table.setTableName("OBC0001");
    }

    std::vector<std::string> codesInOrder()
    {
        std::vector<std::string> codes;
        for (table.first(); !table.eof(); table.next())
            codes.push_back(table.asString("OBC_KOD"));
        return codes;
    }

    TempDir dir;
    DbfTable table;
};

std::string errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST_F(DbfTableTest, OpensWithTheNameSpelledInAnyCase)
{
    table.open();
    EXPECT_TRUE(table.isOpen());
    EXPECT_EQ(table.filePath(), (dir / "Obc0001.DBF").string());
    EXPECT_EQ(table.recordCount(), 4u);
    EXPECT_EQ(table.recordNumber(), 1u);
}

TEST_F(DbfTableTest, FileOrderSkipsDeletedRecords)
{
    table.open();
    EXPECT_EQ(codesInOrder(), (std::vector<std::string>{"001", "003", "004"}));
    table.last();
    EXPECT_EQ(table.asString("OBC_KOD"), "004");
    table.prior();
    EXPECT_EQ(table.recordNumber(), 3u);
    table.prior();
    EXPECT_EQ(table.recordNumber(), 1u);
    EXPECT_FALSE(table.bof());
    table.prior();
    EXPECT_TRUE(table.bof());
    EXPECT_EQ(table.recordNumber(), 1u);
    table.setRecordNumber(2);
    EXPECT_TRUE(table.isDeleted());
}

TEST_F(DbfTableTest, ReadsEveryKindOfField)
{
    table.open();
    EXPECT_EQ(table.asString("obc_naz"), "Novák");
    EXPECT_EQ(table.asInteger("OBC_SPL"), 30);
    EXPECT_DOUBLE_EQ(table.asFloat("OBC_LIM"), 1500.5);
    EXPECT_EQ(table.asDate("OBC_DAT"), toDayNumber({2024, 1, 15}));
    EXPECT_EQ(table.asString("OBC_DAT"), "15.01.2024");
    EXPECT_TRUE(table.asBool("OBC_AKT"));
    table.setRecordNumber(3);
    EXPECT_EQ(table.asString("OBC_NAZ"), "Černý");
    EXPECT_EQ(table.asInteger("OBC_SPL"), 0);
    EXPECT_EQ(table.asFloat("OBC_LIM"), 0.0);
    EXPECT_EQ(table.asDate("OBC_DAT"), 0);
    EXPECT_EQ(table.asString("OBC_DAT"), "");
    EXPECT_TRUE(table.asBool("OBC_AKT"));  // "Y"
    table.setRecordNumber(4);
    EXPECT_FALSE(table.asBool("OBC_AKT"));  // blank
    EXPECT_EQ(table.asInteger("OBC_SPL"), -5);
}

TEST_F(DbfTableTest, WrongFieldNamesAndTypesAreClearErrors)
{
    table.open();
    EXPECT_EQ(errorOf([&] { table.asString("OBC_NIC"); }), "Field 'OBC_NIC' not found");
    EXPECT_EQ(errorOf([&] { table.asDate("OBC_NAZ"); }),
              "Type mismatch for field 'OBC_NAZ', expecting: Date actual: String");
    EXPECT_EQ(errorOf([&] { table.setString("OBC_NAZ", "x"); }), "Dataset not in edit or insert mode");
    table.edit();
    EXPECT_EQ(errorOf([&] { table.setString("OBC_DAT", "31.02.2024"); }), "'31.02.2024' is not a valid date");
    EXPECT_EQ(errorOf([&] { table.setString("OBC_LIM", "12x"); }), "'12x' is not a valid floating point value");
    EXPECT_EQ(errorOf([&] { table.setInteger("OBC_SPL", 123456); }), "Číslo 123456 se nevejde do pole OBC_SPL");
    table.cancel();
}

TEST_F(DbfTableTest, OpeningFailuresSayWhatIsWrong)
{
    DbfTable unnamed;
    unnamed.setDirectory(dir.str());
    EXPECT_EQ(errorOf([&] { unnamed.open(); }), "Chybí jméno tabulky");
    DbfTable missing;
    missing.setDirectory(dir.str());
    missing.setTableName("Fak0001");
    EXPECT_EQ(errorOf([&] { missing.open(); }), "Nemohu najít soubor " + dir.str() + "/Fak0001.DBF");
    writeBytes(dir / "Bad.DBF", std::string(200, 'x'));
    DbfTable damaged;
    damaged.setDirectory(dir.str());
    damaged.setTableName("Bad");
    EXPECT_EQ(errorOf([&] { damaged.open(); }),
              "Soubor " + dir.str() + "/Bad.DBF není tabulka DBF nebo je poškozen");
    EXPECT_FALSE(damaged.isOpen());
}

TEST_F(DbfTableTest, EditWritesTheRecordAndCarriesForeignFields)
{
    table.open();
    table.edit();
    table.setString("OBC_NAZ", "Žluťoučký kůň");
    table.setFloat("OBC_LIM", 2000.25);
    table.setDate("OBC_DAT", toDayNumber({2026, 12, 9}));
    table.setBool("OBC_AKT", false);
    table.post();
    table.close();
    const std::string bytes = readBytes(dir / "Obc0001.DBF");
    const std::size_t record = 32 * 8 + 2;
    EXPECT_EQ(bytes.substr(record, 1 + 3 + 20),
              " 001\xA6lu\x9Cou\x9F" "k\xEC k\x85\xE5       ");
    EXPECT_EQ(bytes.substr(record + 24, 5 + 10 + 8 + 1), "   30   2000.2520261209F");
    EXPECT_EQ(bytes.substr(record + 48, 4), "ab\x01z");
    table.open();
    EXPECT_EQ(table.asString("OBC_NAZ"), "Žluťoučký kůň");
}

TEST_F(DbfTableTest, CancelLeavesTheFileAsItWas)
{
    const std::string before = readBytes(dir / "Obc0001.DBF");
    table.open();
    table.edit();
    table.setString("OBC_NAZ", "Nikdo");
    table.cancel();
    EXPECT_EQ(table.asString("OBC_NAZ"), "Novák");
    table.append();
    table.setString("OBC_KOD", "009");
    table.cancel();
    EXPECT_EQ(table.recordNumber(), 1u);
    table.close();
    EXPECT_EQ(readBytes(dir / "Obc0001.DBF"), before);
}

TEST_F(DbfTableTest, AppendAddsABlankRecordAtTheEndBeforeTheEndMark)
{
    table.open();
    table.append();
    table.setString("OBC_KOD", "005");
    table.setInteger("OBC_SPL", 14);
    table.post();
    EXPECT_EQ(table.recordNumber(), 5u);
    EXPECT_EQ(table.recordCount(), 5u);
    EXPECT_EQ(codesInOrder(), (std::vector<std::string>{"001", "003", "004", "005"}));
    table.setRecordNumber(5);
    EXPECT_EQ(table.asString("OBC_NAZ"), "");
    EXPECT_FALSE(table.asBool("OBC_AKT"));
    table.close();
    const std::string bytes = readBytes(dir / "Obc0001.DBF");
    const std::size_t headerLength = 32 * 8 + 2;
    const std::size_t recordLength = 1 + 3 + 20 + 5 + 10 + 8 + 1 + 4;
    ASSERT_EQ(bytes.size(), headerLength + 5 * recordLength + 1);
    EXPECT_EQ(bytes.back(), '\x1A');
    EXPECT_EQ(bytes[4], 5);
    EXPECT_EQ(bytes.substr(headerLength + 4 * recordLength, 10), " 005      ");
}

TEST_F(DbfTableTest, EveryWriteStampsTheHeader)
{
    table.setUserNumber(7);
    table.open();
    table.edit();
    table.setString("OBC_NAZ", "X");
    table.post();
    table.close();
    const std::string bytes = readBytes(dir / "Obc0001.DBF");
    const CivilDate now = toCivilDate(today());
    EXPECT_EQ(bytes[1], now.year % 100);
    EXPECT_EQ(bytes[2], now.month);
    EXPECT_EQ(bytes[3], now.day);
    EXPECT_EQ(bytes[4], 4);
    std::uint32_t stamp = 0;
    for (int i = 3; i >= 0; --i)
        stamp = (stamp << 8) | static_cast<unsigned char>(bytes[16 + i]);
    EXPECT_LT(stamp % 1024, 1000u);
    EXPECT_LT(stamp / 1024 / 64 / 64, 24u);
    EXPECT_EQ(bytes.substr(20, 4), std::string("\x07\x00\x00\x00", 4));
    EXPECT_EQ(static_cast<unsigned char>(bytes[29]), 0x64);
}

// The count stamped with a change is the file's, not the one seen at opening.
TEST_F(DbfTableTest, AChangeAfterAnotherProgramAppendedKeepsItsRecordCounted)
{
    table.open();
    DbfTable other;
    other.setDirectory(dir.str());
    other.setTableName("OBC0001");
    other.open();
    other.append();
    other.setString("OBC_KOD", "005");
    other.post();
    table.edit();
    table.setString("OBC_NAZ", "X");
    table.post();
    table.deleteRecord();
    table.close();
    EXPECT_EQ(readBytes(dir / "Obc0001.DBF")[4], 5);
}

TEST_F(DbfTableTest, DeleteMarksTheRecordAndMovesOn)
{
    table.open();
    table.deleteRecord();
    EXPECT_EQ(table.asString("OBC_KOD"), "003");
    EXPECT_EQ(codesInOrder(), (std::vector<std::string>{"003", "004"}));
    table.last();
    table.deleteRecord();
    EXPECT_EQ(table.asString("OBC_KOD"), "003");
    table.deleteRecord();
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.recordNumber(), 0u);
    EXPECT_EQ(table.recordCount(), 4u);
}

TEST_F(DbfTableTest, LocateFindsByValuesInTheCurrentOrder)
{
    table.open();
    EXPECT_TRUE(table.locate({"OBC_NAZ"}, {std::string("Dvořák")}));
    EXPECT_EQ(table.recordNumber(), 4u);
    EXPECT_TRUE(table.locate({"OBC_AKT", "OBC_SPL"}, {true, 0.0}));
    EXPECT_EQ(table.recordNumber(), 3u);
    EXPECT_FALSE(table.locate({"OBC_KOD"}, {std::string("002")}));  // deleted
    EXPECT_EQ(table.recordNumber(), 3u);
}

TEST_F(DbfTableTest, AnEmptyTableIsAtItsEnd)
{
    writeTable(dir / "Empty.DBF", obchodniciFields, {}, {0x03, 1, false});
    DbfTable empty;
    empty.setDirectory(dir.str());
    empty.setTableName("Empty.DBF");
    empty.open();
    EXPECT_TRUE(empty.eof());
    EXPECT_TRUE(empty.bof());
    EXPECT_EQ(empty.asString("OBC_KOD"), "");
    EXPECT_FALSE(empty.lockRecord());
    empty.edit();  // nothing to edit: a new record
    EXPECT_EQ(empty.state(), DbfTable::State::Insert);
    empty.setString("OBC_KOD", "001");
    empty.post();
    EXPECT_EQ(empty.recordCount(), 1u);
    empty.close();
    EXPECT_EQ(readBytes(dir / "Empty.DBF").back(), '\x1A');
}
