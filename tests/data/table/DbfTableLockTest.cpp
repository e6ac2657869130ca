#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "data/table/DbfTable.h"
#include "platform/Error.h"
#include "platform/SharedFile.h"
#include "support/ChildProcess.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

constexpr std::uint64_t clipperBase = 1'000'000'000;
const std::size_t headerLength = 32 + 32 * 2 + 2;
const std::size_t recordLength = 1 + 6 + 5;

class DbfTableLockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<TableRow> rows;
        for (int i = 1; i <= 6; ++i)
            rows.push_back({{"R" + std::to_string(i), std::to_string(i)}});
        writeTable(path(), {field("KOD", 'C', 6), field("POC", 'N', 5)}, rows);
    }

    std::string path() const { return (dir / "Dvh0001.DBF").string(); }

    void openTable(DbfTable& table, LockProtocol protocol = LockProtocol::Clipper, bool exclusive = false)
    {
        table.setDirectory(dir.str());
        table.setTableName("Dvh0001");
        table.setLockProtocol(protocol);
        table.setExclusive(exclusive);
        table.open();
    }

    // Whether another open file could take a write lock on the byte now.
    bool byteIsFree(std::uint64_t offset)
    {
        SharedFile probe;
        EXPECT_EQ(probe.open(path(), ShareMode::Shared), OpenStatus::Opened);
        return probe.tryLock(offset, 1);
    }

    TempDir dir;
};

} // namespace

TEST_F(DbfTableLockTest, ClipperRecordLockIsOneByteBeyondOneBillion)
{
    DbfTable table;
    openTable(table);
    table.setRecordNumber(3);
    ASSERT_TRUE(table.lockRecord());
    EXPECT_FALSE(byteIsFree(clipperBase + 3));
    EXPECT_TRUE(byteIsFree(clipperBase + 2));
    EXPECT_TRUE(byteIsFree(clipperBase));
    table.unlockRecord();
    EXPECT_TRUE(byteIsFree(clipperBase + 3));
}

TEST_F(DbfTableLockTest, DefaultRecordLockLiesAtTheRecordsOffsetPlus0x40000000)
{
    DbfTable table;
    openTable(table, LockProtocol::Default);
    table.setRecordNumber(3);
    ASSERT_TRUE(table.lockRecord());
    const std::uint64_t offset = 0x40000000 + headerLength + 2 * recordLength;
    EXPECT_FALSE(byteIsFree(offset));
    EXPECT_TRUE(byteIsFree(offset + 1));
    EXPECT_TRUE(byteIsFree(offset - 1));
    table.unlockRecord();
}

TEST_F(DbfTableLockTest, TableLocksCoverTheirWholeRange)
{
    DbfTable clipper;
    openTable(clipper);
    ASSERT_TRUE(clipper.lockTable());
    EXPECT_FALSE(byteIsFree(clipperBase));
    EXPECT_FALSE(byteIsFree(2 * clipperBase - 1));
    EXPECT_TRUE(byteIsFree(2 * clipperBase));
    // A record lock under the table lock must not punch a hole in it.
    ASSERT_TRUE(clipper.lockRecord());
    clipper.unlockRecord();
    EXPECT_FALSE(byteIsFree(clipperBase + 1));
    clipper.unlockTable();
    EXPECT_TRUE(byteIsFree(clipperBase + 1));
    clipper.close();

    DbfTable standard;
    openTable(standard, LockProtocol::Default);
    ASSERT_TRUE(standard.lockTable());
    EXPECT_FALSE(byteIsFree(0x40000000));
    EXPECT_FALSE(byteIsFree(0x7FFFFFFE));
    EXPECT_TRUE(byteIsFree(0x3FFFFFFF));
    standard.unlockTable();
}

TEST_F(DbfTableLockTest, OneRecordLockAtATimeCountedAgain)
{
    DbfTable table;
    openTable(table);
    table.setRecordNumber(4);
    ASSERT_TRUE(table.lockRecord());
    ASSERT_TRUE(table.lockRecord());
    table.setRecordNumber(5);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(table.lockRecord());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
    table.unlockRecord();
    EXPECT_FALSE(byteIsFree(clipperBase + 4));  // taken twice, released once
    table.unlockRecord();
    EXPECT_TRUE(byteIsFree(clipperBase + 4));
    EXPECT_TRUE(table.lockRecord());
    table.unlockRecord();
}

TEST_F(DbfTableLockTest, EditAfterLockRecordKeepsTheLockUntilUnlocked)
{
    DbfTable table;
    openTable(table);
    ASSERT_TRUE(table.lockRecord());
    table.edit();
    table.setInteger("POC", 77);
    table.post();
    EXPECT_FALSE(byteIsFree(clipperBase + 1));
    table.unlockRecord();
    EXPECT_TRUE(byteIsFree(clipperBase + 1));
}

TEST_F(DbfTableLockTest, AnotherProcessesRecordLockStopsLockAndEdit)
{
    ChildProcess other([&](Channel& channel) {
        DbfTable table;
        openTable(table);
        table.setRecordNumber(2);
        channel.send(table.lockRecord() ? 'l' : 'n');
        channel.receive();
        return 0;
    });
    ASSERT_EQ(other.channel().receive(), 'l');
    DbfTable table;
    openTable(table);
    table.setRecordNumber(2);
    EXPECT_FALSE(table.lockRecord());
    try {
        table.edit();
        FAIL();
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Record is locked by another user");
    }
    EXPECT_EQ(table.state(), DbfTable::State::Browse);
    table.setRecordNumber(3);
    EXPECT_TRUE(table.lockRecord());
    table.unlockRecord();
    other.channel().send('q');
    EXPECT_EQ(other.wait(), 0);
    table.setRecordNumber(2);
    EXPECT_TRUE(table.lockRecord());
}

TEST_F(DbfTableLockTest, AnAppendByAnotherProcessIsReachedByNavigation)
{
    DbfTable table;
    openTable(table);
    table.last();
    EXPECT_EQ(table.recordNumber(), 6u);
    ChildProcess other([&](Channel& channel) {
        DbfTable writer;
        openTable(writer);
        writer.append();
        writer.setString("KOD", "NOVY");
        writer.post();
        channel.send('a');
        return 0;
    });
    ASSERT_EQ(other.channel().receive(), 'a');
    EXPECT_EQ(other.wait(), 0);
    table.next();
    ASSERT_FALSE(table.eof());
    EXPECT_EQ(table.recordNumber(), 7u);
    EXPECT_EQ(table.asString("KOD"), "NOVY");
    table.next();
    EXPECT_TRUE(table.eof());
}

TEST_F(DbfTableLockTest, AppendWaitsForTheHeaderLockOfAnotherProgram)
{
    ChildProcess other([&](Channel& channel) {
        SharedFile file;
        file.open(path(), ShareMode::Shared);
        file.tryLock(clipperBase, 1);
        channel.send('h');
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        return 0;
    });
    ASSERT_EQ(other.channel().receive(), 'h');
    DbfTable table;
    openTable(table);
    const auto start = std::chrono::steady_clock::now();
    table.append();
    table.setString("KOD", "PO");
    table.post();
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_EQ(table.recordNumber(), 7u);
}

TEST_F(DbfTableLockTest, ExclusiveAndSharedOpeningExcludeEachOther)
{
    ChildProcess holder([&](Channel& channel) {
        DbfTable table;
        openTable(table, LockProtocol::Clipper, true);
        channel.send('x');
        channel.receive();
        return 0;
    });
    ASSERT_EQ(holder.channel().receive(), 'x');
    DbfTable shared;
    try {
        openTable(shared);
        FAIL();
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "Access denied to file " + path());
    }
    holder.channel().send('q');
    EXPECT_EQ(holder.wait(), 0);

    openTable(shared);
    ChildProcess exclusive([&](Channel& channel) {
        DbfTable table;
        try {
            openTable(table, LockProtocol::Clipper, true);
        } catch (const Error&) {
            channel.send('d');
            return 0;
        }
        channel.send('o');
        return 0;
    });
    EXPECT_EQ(exclusive.channel().receive(), 'd');
}
