// Two writer processes change the same table and index file for a few
// seconds while a third walks it in tag order; afterwards the index checks
// clean, answers every seek, and every change either writer reported is in
// the table.
#include <gtest/gtest.h>

#include <chrono>
#include <sys/wait.h>

#include "data/table/DbfTable.h"
#include "drivers/WriterTable.h"
#include "support/ChildProcess.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"
#include "support/WriterCheck.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

constexpr int WritingMilliseconds = 6000;

// Walks in the order of tag KOD until the writers are done; the exit code
// is 0 when every walk ended without an error and there were some.
int readInTagOrder(const std::string& folder)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(WritingMilliseconds);
    DbfTable table;
    table.setDirectory(folder);
    table.setTableName(writer::TableFile);
    table.open();
    table.attachIndexFile(writer::IndexFile);
    table.selectTag("KOD");
    int walks = 0;
    for (; std::chrono::steady_clock::now() < end; ++walks)
        for (table.first(); !table.eof(); table.next()) {
        }
    return walks > 3 ? 0 : 1;
}

} // namespace

TEST(TwoWriters, KeepEveryChangeAndASoundIndex)
{
    TempDir dir;
    const std::string folder = dir.str() + "/";
    const std::string logPath = (dir / "writes.log").string();
    writeTable(dir / writer::TableFile, {field("KOD", 'C', 8), field("NAZ", 'C', 12), field("CIS", 'N', 8, 2)}, {});
    // One short run creates the index file before the others share it.
    const pid_t first = startWriter(folder, logPath, 1, 200, "A", true);
    waitpid(first, nullptr, 0);

    const pid_t a = startWriter(folder, logPath, 2, WritingMilliseconds, "A", false);
    const pid_t b = startWriter(folder, logPath, 3, WritingMilliseconds, "B", false);
    ChildProcess reader([&](Channel&) { return readInTagOrder(folder); });
    int statusA = 0;
    int statusB = 0;
    waitpid(a, &statusA, 0);
    waitpid(b, &statusB, 0);
    EXPECT_EQ(reader.wait(), 0) << "the walks in tag order failed";
    EXPECT_TRUE(WIFEXITED(statusA) && WEXITSTATUS(statusA) == 0);
    EXPECT_TRUE(WIFEXITED(statusB) && WEXITSTATUS(statusB) == 0);

    WriterLog log;
    log.readNew(logPath);
    EXPECT_GT(log.records().size(), 100u);
    EXPECT_EQ(lostWrites(folder, log), "");
    std::string why;
    EXPECT_EQ(judgeIndex(folder, why), IndexVerdict::Clean) << why;
}
