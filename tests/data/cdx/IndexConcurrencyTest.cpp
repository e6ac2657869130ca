#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "data/table/DbfTable.h"
#include "data/table/IndexFileCheck.h"
#include "data/dbf/DbfFile.h"
#include "platform/Error.h"
#include "support/ChildProcess.h"
#include "support/IndexBuilder.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

constexpr int originalRecords = 200;
constexpr int appendedRecords = 80;
constexpr const char* lastKey = "Z99999";

std::string key(char prefix, int number)
{
    char text[8];
    std::snprintf(text, sizeof text, "%c%05d", prefix, number);
    return text;
}

// Record n starts with key A(201 - n), so file order and tag order differ.
std::string originalKey(int recordNumber)
{
    return key('A', originalRecords + 1 - recordNumber);
}

// The writer changes the keys of the first odd records, one per append. The
// new key sorts right after the old one, so a reader that meets a record
// between the write of the record and the update of its tags still sees the
// keys in order.
int changedRecord(int append)
{
    return 2 * append + 1;
}

bool isChanged(int recordNumber)
{
    return recordNumber % 2 == 1 && recordNumber <= changedRecord(appendedRecords - 1);
}

class IndexConcurrencyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<TableRow> rows;
        for (int n = 1; n <= originalRecords; ++n)
            rows.push_back({{originalKey(n), "zbozi " + std::to_string(n)}});
        writeTable(dir / "Con0001.DBF", {field("KOD", 'C', 8), field("NAZ", 'C', 12)}, rows);
        buildIndexTags(dir.path(), "Con0001", {{"KOD", "KOD"}, {"NAZ", "UPPER(NAZ)"}});
    }

    void openIndexed(DbfTable& table)
    {
        table.setDirectory(dir.str());
        table.setTableName("Con0001");
        table.open();
        table.attachIndexFile("Con0001");
        table.selectTag("KOD");
    }

    // Appends new keys and changes existing ones, the end key last.
    int write(Channel& channel)
    {
        DbfTable table;
        openIndexed(table);
        channel.send('r');
        if (channel.receive() != 'g')
            return 1;
        table.selectTag("");
        for (int i = 0; i < appendedRecords; ++i) {
            table.append();
            table.setString("KOD", key('N', i));
            table.setString("NAZ", "nove " + std::to_string(i));
            table.post();
            const int changed = changedRecord(i);
            table.setRecordNumber(changed);
            table.edit();
            table.setString("KOD", originalKey(changed) + "X");
            table.setString("NAZ", "zmena " + std::to_string(i));
            table.post();
            std::this_thread::sleep_for(std::chrono::milliseconds(3));  // let the reader in
        }
        table.append();
        table.setString("KOD", lastKey);
        table.post();
        return 0;
    }

    // Keys from the current record on, at most limit of them.
    static std::vector<std::string> walk(DbfTable& table, int direction, std::size_t limit)
    {
        std::vector<std::string> keys;
        while (!(direction > 0 ? table.eof() : table.bof()) && keys.size() < limit) {
            keys.push_back(table.asString("KOD"));
            direction > 0 ? table.next() : table.prior();
        }
        if (direction < 0)
            std::ranges::reverse(keys);
        return keys;
    }

    // One short round of reading while the writer works: stretches of the
    // tag from its start, from the new keys and back from its end, and seeks.
    // Returns false once the end key is there. Failures are recorded and end
    // the reading; rounds that found new keys but not the end key count as
    // midway.
    bool readRound(DbfTable& table, int round, bool& failed, int& midway)
    {
        table.first();
        const auto head = walk(table, 1, 30);
        table.seek("N", false);
        const auto added = walk(table, 1, 30);
        table.last();
        const auto tail = walk(table, -1, 30);
        if (!std::ranges::is_sorted(head) || !std::ranges::is_sorted(added) || !std::ranges::is_sorted(tail)) {
            ADD_FAILURE() << "keys out of order in round " << round;
            failed = true;
            return false;
        }
        const int steady = 2 * (1 + round % (originalRecords / 2));
        if (!table.seek(originalKey(steady)) || table.asString("KOD") != originalKey(steady)) {
            ADD_FAILURE() << "unchanged key " << originalKey(steady) << " not found in round " << round;
            failed = true;
            return false;
        }
        const auto newest = std::ranges::find_if(added, [](const std::string& k) { return !k.starts_with('N'); });
        if (newest != added.begin() && !table.seek(*std::prev(newest))) {
            ADD_FAILURE() << "new key " << *std::prev(newest) << " lost in round " << round;
            failed = true;
            return false;
        }
        const bool finished = table.seek(lastKey);
        if (!finished && !added.empty() && added.front().starts_with('N'))
            ++midway;
        return !finished;
    }

    static bool isLockTimeout(const Error& error)
    {
        return std::string(error.what()).starts_with("Could not lock indexes for Table");
    }

    TempDir dir;
};

} // namespace

TEST_F(IndexConcurrencyTest, ReaderSeesASoundIndexWhileAnotherProcessWrites)
{
    ChildProcess writer([&](Channel& channel) { return write(channel); });
    DbfTable table;
    openIndexed(table);
    ASSERT_EQ(writer.channel().receive(), 'r');
    writer.channel().send('g');

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(4);
    int rounds = 0;
    int midway = 0;
    bool failed = false;
    bool writing = true;
    while (writing && !failed && rounds < 5000 && std::chrono::steady_clock::now() < deadline) {
        try {
            writing = readRound(table, rounds++, failed, midway);
            // A reader that never lets go of the index lock would starve the writer.
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } catch (const Error& error) {
            // A lock timeout is retried; anything else means a broken index.
            if (!isLockTimeout(error)) {
                ADD_FAILURE() << "reader failed: " << error.what();
                failed = true;
            }
        }
    }
    EXPECT_EQ(writer.wait(), 0);
    ASSERT_FALSE(failed);
    ASSERT_FALSE(writing) << "the writer did not finish in time";
    EXPECT_GE(midway, 3) << "the reader hardly overlapped the writer";

    std::vector<std::string> expected{lastKey};
    for (int n = 1; n <= originalRecords; ++n)
        expected.push_back(isChanged(n) ? originalKey(n) + "X" : originalKey(n));
    for (int i = 0; i < appendedRecords; ++i)
        expected.push_back(key('N', i));
    std::ranges::sort(expected);
    table.first();
    EXPECT_EQ(walk(table, 1, 1000), expected);
    for (int i = 0; i < appendedRecords; ++i)
        EXPECT_TRUE(table.seek(key('N', i))) << key('N', i);
    EXPECT_FALSE(table.seek(originalKey(1)));
    EXPECT_TRUE(table.seek(originalKey(1) + "X"));
    EXPECT_EQ(table.recordNumber(), 1u);

    DbfFile file((dir / "Con0001.DBF").string(), ShareMode::Shared, LockProtocol::Clipper, 0);
    for (const TagReport& report : checkIndexFile((dir / "Con0001.cdx").string(), file))
        EXPECT_TRUE(report.isSound()) << report.name;
}
