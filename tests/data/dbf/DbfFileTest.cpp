#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include "data/dbf/DbfFile.h"
#include "platform/Error.h"
#include "support/ChildProcess.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

const std::vector<FieldDescriptor> fields{field("KOD", 'C', 5), field("POC", 'N', 4)};
constexpr std::size_t headerLength = 32 + 32 * 2 + 2;
constexpr std::size_t recordLength = 10;

class DbfFileTest : public ::testing::Test {
protected:
    void SetUp() override { writeTable(path, fields, {{{"A", "1"}}, {{"B", "2"}}}); }

    TempDir dir;
    std::string path = (dir / "T.DBF").string();
};

} // namespace

TEST_F(DbfFileTest, RecordCountComesFromTheFileLength)
{
    std::string bytes = readBytes(path);
    bytes.pop_back();                     // the end mark
    bytes += " C       3" " D    ";       // one whole record written by someone else, one half
    writeBytes(path, bytes);
    DbfFile file(path, ShareMode::Shared, LockProtocol::Clipper, 0);
    EXPECT_EQ(file.header().storedRecordCount(), 2u);
    EXPECT_EQ(file.knownRecordCount(), 3u);
    std::string record;
    file.readRawRecord(3, record);
    EXPECT_EQ(record, " C       3");
    try {
        file.readRawRecord(4, record);
        FAIL();
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "Chyba při čtení záznamu v souboru " + path);
    }
}

TEST_F(DbfFileTest, RecordsAreReadBackToBackAndNeverPastTheLastWholeOne)
{
    std::string bytes = readBytes(path);
    bytes.pop_back();
    bytes += " C       3" " D    ";
    writeBytes(path, bytes);
    DbfFile file(path, ShareMode::Shared, LockProtocol::Clipper, 0);
    std::string records;
    file.readRawRecords(2, 2, records);
    EXPECT_EQ(records.size(), 2 * file.header().recordLength());
    EXPECT_EQ(records.substr(file.header().recordLength()), " C       3");
    EXPECT_THROW(file.readRawRecords(2, 3, records), Error);
    EXPECT_THROW(file.readRawRecords(0, 1, records), Error);
}

TEST_F(DbfFileTest, CountIsTakenAgainWhenAskedForARecordNotYetKnown)
{
    DbfFile file(path, ShareMode::Shared, LockProtocol::Clipper, 0);
    std::string bytes = readBytes(path);
    bytes.insert(bytes.size() - 1, " E       5");
    writeBytes(path, bytes);
    EXPECT_EQ(file.knownRecordCount(), 2u);
    std::string record;
    file.readRawRecord(3, record);
    EXPECT_EQ(record, " E       5");
    EXPECT_EQ(file.knownRecordCount(), 3u);
}

TEST_F(DbfFileTest, ReadsShowAnotherOpeningsChangesAppendsAndCuts)
{
    DbfFile file(path, ShareMode::Shared, LockProtocol::Clipper, 0);
    SharedFile other;
    ASSERT_EQ(other.open(path, ShareMode::Shared), OpenStatus::Opened);
    std::string record;
    for (std::uint32_t i = 0; i < DbfFile::kReadsBeforeMapping; ++i)  // enough to map the file
        file.readRawRecord(1, record);
    EXPECT_EQ(record, " A       1");

    ASSERT_TRUE(other.writeAt(headerLength, " Z       9"));
    file.readRawRecord(1, record);
    EXPECT_EQ(record, " Z       9");

    // Far past what was there when the file was first read.
    std::string appended;
    for (int i = 0; i < 3000; ++i)
        appended += " N    " + std::to_string(1000 + i);
    ASSERT_TRUE(other.writeAt(headerLength + 2 * recordLength, appended));
    file.readRawRecord(3002, record);
    EXPECT_EQ(record, " N    3999");

    // A record that really ends in a zero byte.
    ASSERT_TRUE(other.writeAt(headerLength + recordLength, std::string(" B      2\0", recordLength)));
    file.readRawRecord(2, record);
    EXPECT_EQ(record, std::string(" B      2\0", recordLength));

    for (const std::uint64_t length : {headerLength + recordLength + 5, std::size_t{0}}) {
        ASSERT_TRUE(other.truncate(length));
        try {
            file.readRawRecord(2, record);
            FAIL() << "cut to " << length;
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()), "Chyba při čtení záznamu v souboru " + path);
        }
    }
}

TEST_F(DbfFileTest, AppendWritesRecordEndMarkAndHeader)
{
    DbfFile file(path, ShareMode::Shared, LockProtocol::Clipper, 0);
    EXPECT_EQ(file.appendRecord(" X      42"), 3u);
    const std::string bytes = readBytes(path);
    EXPECT_EQ(bytes.size(), headerLength + 3 * recordLength + 1);
    EXPECT_EQ(bytes.substr(headerLength + 2 * recordLength), std::string(" X      42\x1A"));
    EXPECT_EQ(bytes[4], 3);
}

TEST_F(DbfFileTest, AFailedAppendLeavesTheFileAsItWas)
{
    const std::string before = readBytes(path);
    ChildProcess child([&](Channel&) {
        // The file may not grow by a whole record: the write stops half way.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{before.size() + 4, before.size() + 4};
        setrlimit(RLIMIT_FSIZE, &limit);
        DbfFile file(path, ShareMode::Shared, LockProtocol::Clipper, 0);
        try {
            file.appendRecord(" X      42");
        } catch (const Error& error) {
            return std::string(error.what()) == "Chyba při zápisu do souboru " + path ? 0 : 2;
        }
        return 1;
    });
    EXPECT_EQ(child.wait(), 0);
    EXPECT_EQ(readBytes(path), before);
}
