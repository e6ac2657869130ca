#include <gtest/gtest.h>

#include "data/dbf/DbfHeader.h"
#include "platform/Error.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

std::string sampleTable(const TableOptions& options = {})
{
    TempDir dir;
    writeTable(dir / "T.DBF", {field("KOD", 'C', 3), field("CENA", 'N', 10, 2), field("DATUM", 'D', 8)},
               {{{"A01", "1.50", "20240115"}}}, options);
    return readBytes(dir / "T.DBF");
}

void expectRefused(const std::string& bytes)
{
    try {
        DbfHeader::parse(bytes, "X.DBF");
        FAIL() << "accepted";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Soubor X.DBF není tabulka DBF nebo je poškozen");
    }
}

} // namespace

TEST(DbfHeaderParse, FieldsWithOffsetsFromTheirWidths)
{
    const DbfHeader header = DbfHeader::parse(sampleTable(), "T.DBF");
    ASSERT_EQ(header.fields().size(), 3u);
    EXPECT_EQ(header.fields()[1].name, "CENA");
    EXPECT_EQ(header.fields()[1].type, 'N');
    EXPECT_EQ(header.fields()[1].decimals, 2);
    EXPECT_EQ(header.fields()[1].offset, 4u);
    EXPECT_EQ(header.fields()[2].offset, 14u);
    EXPECT_EQ(header.recordLength(), 22);
    EXPECT_EQ(header.headerLength(), 32 * 4 + 2);
    EXPECT_EQ(header.storedRecordCount(), 1u);
    EXPECT_EQ(header.lastUpdate(), "15.01.2024");
}

TEST(DbfHeaderParse, AcceptsTheWritersOfTheFamily)
{
    for (std::uint8_t version : {0x03, 0x83, 0xF5, 0x30})
        for (int after : {0, 1})
            EXPECT_NO_THROW(DbfHeader::parse(sampleTable({version, after, true}), "T.DBF"))
                << int(version) << ' ' << after;
}

TEST(DbfHeaderParse, RefusesWhatIsNotATable)
{
    const std::string good = sampleTable();
    expectRefused("");
    expectRefused(good.substr(0, 20));
    expectRefused("%PDF-1.4 this is not a table at all, really not at all........................................");
    std::string version = good;
    version[0] = 0x02;
    expectRefused(version);
    std::string recordLength = good;
    recordLength[10] = 23;
    expectRefused(recordLength);
    std::string noTerminator = good;
    noTerminator[32 * 4] = ' ';
    expectRefused(noTerminator);
    std::string badName = good;
    badName[32] = '\x01';
    expectRefused(badName);
    std::string shortHeader = good;
    shortHeader[8] = 40;
    shortHeader[9] = 0;
    expectRefused(shortHeader);
    expectRefused(good.substr(0, 100));
}

TEST(DbfHeaderStamp, DateCountStampAndUserNumberAndNothingElse)
{
    const std::string original = sampleTable();
    const DbfHeader header = DbfHeader::parse(original, "T.DBF");
    const ChangeTime time{2026, 12, 9, 13, 45, 7, 250};
    const std::string stamped = header.stampedPrefix(70000, 3, time);
    ASSERT_EQ(stamped.size(), 32u);
    EXPECT_EQ(stamped[1], 26);
    EXPECT_EQ(stamped[2], 12);
    EXPECT_EQ(stamped[3], 9);
    EXPECT_EQ(stamped.substr(4, 4), std::string("\x70\x11\x01\x00", 4));
    const std::uint32_t stamp = ((13u * 64 + 45) * 64 + 7) * 1024 + 250;
    EXPECT_EQ(changeStamp(time), stamp);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(static_cast<unsigned char>(stamped[16 + i]), (stamp >> (8 * i)) & 0xFF);
    EXPECT_EQ(stamped.substr(20, 4), std::string("\x03\x00\x00\x00", 4));
    EXPECT_EQ(stamped.substr(8, 8), original.substr(8, 8));
    EXPECT_EQ(stamped.substr(24, 8), original.substr(24, 8));
    EXPECT_EQ(stamped[0], original[0]);
}
