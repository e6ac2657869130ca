// The writer driver is killed with SIGKILL at random moments, several hundred
// times, while it appends, changes and deletes records with their index file
// attached and reindexes. After every kill the table reads whole, every write
// the driver reported as returned is there, and the index file either checks
// clean and answers every seek right or the check reports it damaged.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <random>
#include <sys/wait.h>
#include <thread>

#include "data/table/DbfTable.h"
#include "data/company/TableReindex.h"
#include "drivers/WriterTable.h"
#include "support/RecordingUi.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"
#include "support/WriterCheck.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

constexpr int Kills = 300;
constexpr auto TimeAllowed = std::chrono::seconds(90);

} // namespace

TEST(KillAtAnyMoment, WritesAndIndexesSurviveSigkill)
{
    TempDir dir;
    const std::string folder = dir.str() + "/";
    const std::string logPath = (dir / "writes.log").string();
    writeTable(dir / writer::TableFile, {field("KOD", 'C', 8), field("NAZ", 'C', 12), field("CIS", 'N', 8, 2)}, {});
    std::mt19937 random(20240517);
    WriterLog log;
    int kills = 0;
    int clean = 0;
    int damaged = 0;
    int wrong = 0;
    const auto deadline = std::chrono::steady_clock::now() + TimeAllowed;
    for (; kills < Kills && std::chrono::steady_clock::now() < deadline; ++kills) {
        const pid_t writer = startWriter(folder, logPath, random(), 0, "K", true);
        ASSERT_GT(writer, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 30000)(random)));
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
        log.readNew(logPath);
        EXPECT_EQ(lostWrites(folder, log), "") << "after kill " << kills;
        std::string why;
        switch (judgeIndex(folder, why)) {
        case IndexVerdict::Clean: ++clean; break;
        case IndexVerdict::Damaged: ++damaged; break;
        case IndexVerdict::Wrong:
            ++wrong;
            ADD_FAILURE() << "kill " << kills << ": the index checks clean but " << why;
            break;
        }
    }
    std::cout << "kills " << kills << ", index clean " << clean << ", reported damaged " << damaged << ", wrong "
              << wrong << ", writes logged " << log.records().size() << '\n';
    EXPECT_GE(kills, 200);
    EXPECT_GT(log.records().size(), 50u) << "the driver hardly wrote";

    // A completed reindex repairs whatever the kills left and leaves no
    // temporary file behind.
    DbfTable table;
    table.setDirectory(folder);
    table.setTableName(writer::TableFile);
    RecordingUi ui;
    EXPECT_TRUE(reindexTable(table, writer::indexSpec(), {folder, writer::TableBase, writer::TableBase}, ui));
    for (const auto& item : std::filesystem::directory_iterator(dir.path()))
        EXPECT_FALSE(item.path().string().ends_with(".new")) << item.path();
    std::string why;
    EXPECT_EQ(judgeIndex(folder, why), IndexVerdict::Clean) << why;
}
