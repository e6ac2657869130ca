#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "data/table/DbfTable.h"
#include "data/dbf/DbfCreator.h"
#include "platform/Error.h"
#include "support/TempDir.h"

using namespace tarvela;

namespace {

std::vector<FieldDescriptor> sampleFields()
{
    return {{"NAZEV", 'C', 12, 0, 0}, {"CENA", 'N', 9, 2, 0}, {"KUSY", 'N', 6, 0, 0},
            {"DATUM", 'D', 8, 0, 0}, {"PLAC", 'L', 1, 0, 0}};
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

TEST(DbfCreator, WritesTheHeaderAndRecordsByteForByte)
{
    test::TempDir dir;
    const auto path = (dir / "T.DBF").string();
    DbfCreator creator(path, sampleFields(), {2007, 12, 31});
    creator.beginRecord();
    creator.setText(0, "Čaj");
    creator.setNumber(1, -12.5);
    creator.setNumber(2, 42);
    creator.setDate(3, toDayNumber({2007, 1, 2}));
    creator.setBool(4, true);
    creator.endRecord();
    creator.beginRecord();
    creator.setNumber(1, -0.001);
    creator.markDeleted();
    creator.endRecord();
    creator.finish();

    const std::string bytes = readFile(path);
    const std::size_t headerLength = 32 * 5 + 33;
    const std::size_t recordLength = 1 + 12 + 9 + 6 + 8 + 1;
    ASSERT_EQ(bytes.size(), headerLength + 2 * recordLength + 1);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x03);
    EXPECT_EQ(bytes.substr(1, 3), std::string("\x07\x0C\x1F", 3));  // year modulo 100
    EXPECT_EQ(static_cast<unsigned char>(bytes[4]), 2);
    EXPECT_EQ(static_cast<unsigned char>(bytes[8]) + 256 * static_cast<unsigned char>(bytes[9]), headerLength);
    EXPECT_EQ(static_cast<unsigned char>(bytes[10]), recordLength);
    EXPECT_EQ(static_cast<unsigned char>(bytes[29]), 0x64);
    EXPECT_EQ(bytes.substr(32, 6), std::string("NAZEV\0", 6));
    EXPECT_EQ(bytes[32 + 11], 'C');
    EXPECT_EQ(static_cast<unsigned char>(bytes[32 + 32 + 12]), 13);  // offset of CENA
    EXPECT_EQ(static_cast<unsigned char>(bytes[32 + 32 + 17]), 2);
    EXPECT_EQ(bytes[headerLength - 1], '\x0D');
    EXPECT_EQ(bytes.substr(headerLength, recordLength),
              std::string(" \xAC\x61j         ") + "   -12.50" + "    42" + "20070102" + "T");
    EXPECT_EQ(bytes.substr(headerLength + recordLength, recordLength),
              "*" + std::string(12, ' ') + "     0.00" + std::string(6 + 8 + 1, ' '));
    EXPECT_EQ(bytes.back(), '\x1A');
}

TEST(DbfCreator, ReadsBackThroughTheTableLayer)
{
    test::TempDir dir;
    DbfCreator creator((dir / "T.DBF").string(), sampleFields(), {2007, 12, 31});
    for (int i = 1; i <= 3; ++i) {
        creator.beginRecord();
        creator.setText(0, "Žluťoučký kůň " + std::to_string(i));
        creator.setNumber(1, i * 1.25);
        creator.setNumber(2, -i);
        creator.setBool(4, i == 2);
        if (i == 2)
            creator.markDeleted();
        creator.endRecord();
    }
    creator.finish();
    DbfTable table;
    table.setDirectory(dir.str());
    table.setTableName("T");
    table.open();
    EXPECT_EQ(table.recordCount(), 3u);
    table.first();
    EXPECT_EQ(table.asString("NAZEV"), "Žluťoučký ků");
    EXPECT_DOUBLE_EQ(table.asFloat("CENA"), 1.25);
    EXPECT_EQ(table.asInteger("KUSY"), -1);
    EXPECT_EQ(table.asDate("DATUM"), 0);
    EXPECT_FALSE(table.asBool("PLAC"));
    table.next();
    EXPECT_EQ(table.recordNumber(), 3u);
    EXPECT_DOUBLE_EQ(table.asFloat("CENA"), 3.75);
    table.close();
}

TEST(DbfCreator, ANumberTooWideIsRefused)
{
    test::TempDir dir;
    DbfCreator creator((dir / "T.DBF").string(), sampleFields(), {2007, 12, 31});
    creator.beginRecord();
    EXPECT_THROW(creator.setNumber(2, 1234567), Error);
    EXPECT_THROW(creator.setNumber(0, 1), Error);
    EXPECT_THROW(creator.setText(7, "x"), Error);
}

TEST(DbfCreator, AnUnfinishedFileLeavesTheOldOneAlone)
{
    test::TempDir dir;
    const auto path = dir / "T.DBF";
    std::ofstream(path, std::ios::binary) << "old";
    {
        DbfCreator creator(path.string(), sampleFields(), {2007, 12, 31});
        creator.beginRecord();
        creator.endRecord();
    }
    EXPECT_EQ(readFile(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(DbfCreator, BadFieldListsAreRefused)
{
    test::TempDir dir;
    const auto path = (dir / "T.DBF").string();
    EXPECT_THROW(DbfCreator(path, {}, {2007, 1, 1}), Error);
    EXPECT_THROW(DbfCreator(path, {{"NAZEV_PRILIS", 'C', 5, 0, 0}}, {2007, 1, 1}), Error);
    EXPECT_THROW(DbfCreator(path, {{"X", 'Q', 5, 0, 0}}, {2007, 1, 1}), Error);
    EXPECT_THROW(DbfCreator(path, {{"X", 'C', 0, 0, 0}}, {2007, 1, 1}), Error);
    EXPECT_THROW(DbfCreator((dir / "nic" / "T.DBF").string(), sampleFields(), {2007, 1, 1}), Error);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}
