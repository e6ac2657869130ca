#include <gtest/gtest.h>

#include "platform/SharedFile.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"
#include "support/TableBuilder.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

// The other process opens the file as told, reports 'o' (opened) or 'd'
// (denied), and keeps it open until the parent says 'q'.
int openAndHold(const std::string& path, ShareMode mode, Channel& channel)
{
    SharedFile file;
    channel.send(file.open(path, mode) == OpenStatus::Opened ? 'o' : 'd');
    channel.receive();
    return 0;
}

} // namespace

TEST(ShareModes, SharedOpenersExcludeAnExclusiveOne)
{
    TempDir dir;
    const std::string path = (dir / "T.DBF").string();
    writeBytes(path, "data");
    SharedFile mine;
    ASSERT_EQ(mine.open(path, ShareMode::Shared), OpenStatus::Opened);
    ChildProcess other([&](Channel& c) { return openAndHold(path, ShareMode::Exclusive, c); });
    EXPECT_EQ(other.channel().receive(), 'd');
    other.channel().send('q');
    ChildProcess another([&](Channel& c) { return openAndHold(path, ShareMode::Shared, c); });
    EXPECT_EQ(another.channel().receive(), 'o');
    another.channel().send('q');
}

TEST(ShareModes, AnExclusiveOpenerExcludesEveryoneUntilItCloses)
{
    TempDir dir;
    const std::string path = (dir / "T.DBF").string();
    writeBytes(path, "data");
    SharedFile mine;
    ASSERT_EQ(mine.open(path, ShareMode::Exclusive), OpenStatus::Opened);
    for (ShareMode mode : {ShareMode::Shared, ShareMode::Exclusive}) {
        ChildProcess other([&](Channel& c) { return openAndHold(path, mode, c); });
        EXPECT_EQ(other.channel().receive(), 'd');
        other.channel().send('q');
    }
    mine.close();
    ChildProcess other([&](Channel& c) { return openAndHold(path, ShareMode::Exclusive, c); });
    EXPECT_EQ(other.channel().receive(), 'o');
    other.channel().send('q');
}

TEST(ShareModes, MissingFileAndFolderAreToldApart)
{
    TempDir dir;
    SharedFile file;
    EXPECT_EQ(file.open((dir / "NONE.DBF").string(), ShareMode::Shared), OpenStatus::Missing);
    EXPECT_EQ(file.open(dir.str(), ShareMode::Shared), OpenStatus::Denied);
}

TEST(ByteRangeLocks, AreHeldPerOpenFileAndReleasedOnClose)
{
    TempDir dir;
    const std::string path = (dir / "T.DBF").string();
    writeBytes(path, "data");
    SharedFile first;
    SharedFile second;
    ASSERT_EQ(first.open(path, ShareMode::Shared), OpenStatus::Opened);
    ASSERT_EQ(second.open(path, ShareMode::Shared), OpenStatus::Opened);
    ASSERT_TRUE(first.tryLock(1'000'000'005, 1));
    EXPECT_FALSE(second.tryLock(1'000'000'005, 1));
    EXPECT_TRUE(second.tryLock(1'000'000'006, 1));
    first.unlock(1'000'000'005, 1);
    EXPECT_TRUE(second.tryLock(1'000'000'005, 1));
    EXPECT_FALSE(first.tryLock(1'000'000'000, 1'000'000'000));
    second.close();
    EXPECT_TRUE(first.tryLock(1'000'000'000, 1'000'000'000));
}

TEST(ByteRangeLocks, ConflictBetweenProcesses)
{
    TempDir dir;
    const std::string path = (dir / "T.DBF").string();
    writeBytes(path, "data");
    SharedFile mine;
    ASSERT_EQ(mine.open(path, ShareMode::Shared), OpenStatus::Opened);
    ASSERT_TRUE(mine.tryLock(0x7FFFFFFE, 1));
    ChildProcess other([&](Channel& c) {
        SharedFile file;
        file.open(path, ShareMode::Shared);
        c.send(file.tryLock(0x7FFFFFFE, 1) ? 'y' : 'n');
        c.receive();
        c.send(file.tryLock(0x7FFFFFFE, 1) ? 'y' : 'n');
        return 0;
    });
    EXPECT_EQ(other.channel().receive(), 'n');
    mine.unlock(0x7FFFFFFE, 1);
    other.channel().send('g');
    EXPECT_EQ(other.channel().receive(), 'y');
    EXPECT_EQ(other.wait(), 0);
}
