#include <gtest/gtest.h>

#include <chrono>

#include "data/table/LockRecordWithRetry.h"
#include "support/ChildProcess.h"
#include "support/RecordingUi.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

class LockRecordWithRetryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeTable(dir / "Vyp0001.DBF", {field("VYP_DO1", 'C', 10)}, {{{"F000001"}}, {{"F000002"}}});
        table.setDirectory(dir.str());
        table.setTableName("Vyp0001");
        table.open();
    }

    TempDir dir;
    DbfTable table;
    RecordingUi ui;
};

} // namespace

TEST_F(LockRecordWithRetryTest, AFreeRecordIsLockedAtTheFirstAttempt)
{
    EXPECT_TRUE(LockRecordWithRetry(table, ui));
    EXPECT_EQ(ui.processEventsCalls, 1);
    EXPECT_TRUE(ui.messages.empty());
    table.unlockRecord();
}

TEST_F(LockRecordWithRetryTest, TenPausedAttemptsThenTheMessage)
{
    ChildProcess other([&](Channel& channel) {
        DbfTable holder;
        holder.setDirectory(dir.str());
        holder.setTableName("Vyp0001");
        holder.open();
        channel.send(holder.lockRecord() ? 'l' : 'n');
        channel.receive();
        return 0;
    });
    ASSERT_EQ(other.channel().receive(), 'l');
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(LockRecordWithRetry(table, ui));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(ui.processEventsCalls, 10);
    EXPECT_GE(took, std::chrono::milliseconds(800));
    EXPECT_LT(took, std::chrono::milliseconds(2000));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Nelze zamknout zaznam v tabulce Vyp0001.DBF"});
}

TEST_F(LockRecordWithRetryTest, ALockReleasedDuringTheRetriesIsTaken)
{
    ChildProcess other([&](Channel& channel) {
        DbfTable holder;
        holder.setDirectory(dir.str());
        holder.setTableName("Vyp0001");
        holder.open();
        channel.send(holder.lockRecord() ? 'l' : 'n');
        usleep(250'000);
        return 0;
    });
    ASSERT_EQ(other.channel().receive(), 'l');
    EXPECT_TRUE(LockRecordWithRetry(table, ui));
    EXPECT_GT(ui.processEventsCalls, 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LockRecordWithRetryTest, AnErrorStopsTheAttempts)
{
    table.close();  // locking a closed table raises an error
    EXPECT_FALSE(LockRecordWithRetry(table, ui));
    EXPECT_EQ(ui.processEventsCalls, 1);
}

TEST_F(LockRecordWithRetryTest, TheRecordLockedIsStillTheCurrentOneAfterPendingMessages)
{
    // A window that rebuilds its rows while the messages are processed walks
    // the same table to its end.
    class WalkingUi : public RecordingUi {
    public:
        explicit WalkingUi(DbfTable& table) : table_(table) {}
        void processEvents() override
        {
            RecordingUi::processEvents();
            for (table_.first(); !table_.eof(); table_.next()) {
            }
            table_.last();
        }

    private:
        DbfTable& table_;
    };
    WalkingUi walking(table);
    table.first();
    ASSERT_TRUE(LockRecordWithRetry(table, walking));
    EXPECT_EQ(table.recordNumber(), 1u);
    table.deleteRecord();
    table.unlockRecord();
    table.first();
    EXPECT_EQ(table.asString("VYP_DO1").substr(0, 7), "F000002") << "the locked first record was deleted, not the last";
}
