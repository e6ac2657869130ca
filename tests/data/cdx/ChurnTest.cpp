#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "MemoryTable.h"
#include "support/TempDir.h"
#include "data/cdx/Collation.h"
#include "data/cdx/Expression.h"
#include "data/cdx/IndexFile.h"
#include "data/cdx/IndexSet.h"
#include "data/cdx/TagCheck.h"
#include "platform/CodePage.h"

using namespace tarvela;
using test::MemoryTable;

namespace {

// Checks every tag of the file against the table, as a second program would.
std::vector<std::string> problemsOf(const std::string& path, MemoryTable& table)
{
    cdx::IndexFile file(path, table.fields(), table.lockProtocol());
    EXPECT_TRUE(file.lock());
    file.refresh();
    std::vector<std::string> problems;
    for (const auto& tag : file.tags()) {
        const auto result = cdx::checkTag(file.cache(), tag, &table);
        for (const auto& problem : result.problems)
            problems.push_back(tag.name + ": " + problem);
    }
    file.unlock();
    return problems;
}

} // namespace

TEST(CdxMaintenance, RandomChurnKeepsEveryTagSound)
{
    test::TempDir dir;
    MemoryTable table({{"NAZ", 'C', 12}, {"KOD", 'C', 4}, {"STA", 'N', 8, 2}, {"DAT", 'D', 8}});
    IndexSet indexes(table);
    const std::string path = (dir / "churn.cdx").string();
    std::mt19937 random(2024);
    const char* words[] = {"čaj", "Cukr", "dort", "Řízek", "zelí", "ovoce", "Ábel"};
    const auto randomRecord = [&] {
        char date[9];
        std::snprintf(date, sizeof date, "2%03d%02d%02d", int(random() % 30), 1 + int(random() % 12), 1 + int(random() % 28));
        return table.record({utf8ToOem(std::string(words[random() % 7]) + std::to_string(random() % 500)),
                             std::to_string(random() % 60), std::to_string(int(random() % 100) - 30), date});
    };
    for (int i = 0; i < 200; ++i)
        table.append({});
    for (std::uint32_t n = 1; n <= 200; ++n)
        table.replace(n, randomRecord());
    indexes.buildTag(path, "NAZ", "UPPER(NAZ)", "", false, false, {});
    indexes.buildTag(path, "KN", "KOD+NAZ", "", false, false, {});
    indexes.buildTag(path, "STA", "STA", "STA >0", false, false, {});
    indexes.buildTag(path, "KOD", "KOD", "", true, false, {});
    indexes.buildTag(path, "DAT", "DAT", "", false, true, {});
    indexes.attach(path);
    ASSERT_EQ(indexes.tagCount(), 5);

    for (int batch = 0; batch < 12; ++batch) {
        for (int step = 0; step < 400; ++step) {
            const bool append = random() % 3 == 0;
            if (append) {
                table.append({});
                const auto number = table.currentRecordCount();
                table.replace(number, randomRecord());
                indexes.recordWritten(number, "", table.raw(number));
            } else {
                const auto number = static_cast<std::uint32_t>(1 + random() % table.currentRecordCount());
                const std::string before = table.raw(number);
                std::string after = random() % 5 == 0 ? before : randomRecord();
                if (random() % 7 == 0)
                    after[0] = '*';  // deleting changes no tag
                table.replace(number, after);
                indexes.recordWritten(number, before, after);
            }
        }
        const auto problems = problemsOf(path, table);
        ASSERT_TRUE(problems.empty()) << "batch " << batch << ": " << problems.front();

        indexes.selectTag("KN");
        std::vector<std::pair<std::string, std::uint32_t>> expected;
        const cdx::Expression key("KOD+NAZ", table.fields());
        for (std::uint32_t n = 1; n <= table.currentRecordCount(); ++n)
            expected.emplace_back(cdx::toWeights(key.key(table.raw(n))), n);
        std::sort(expected.begin(), expected.end());
        std::vector<std::uint32_t> walked;
        for (auto r = indexes.first(); r != 0; r = indexes.next(r, table.raw(r)))
            walked.push_back(r);
        ASSERT_EQ(walked.size(), expected.size());
        for (std::size_t i = 0; i < walked.size(); ++i)
            ASSERT_EQ(walked[i], expected[i].second) << "batch " << batch << " entry " << i;
    }
}

TEST(CdxMaintenance, CheckFindsAnEntryLeftUnderAnOldKey)
{
    test::TempDir dir;
    MemoryTable table({{"NAZ", 'C', 8}});
    IndexSet indexes(table);
    const std::string path = (dir / "t.cdx").string();
    for (int i = 0; i < 50; ++i)
        table.append({"K" + std::to_string(i)});
    indexes.buildTag(path, "NAZ", "NAZ", "", false, false, {});
    EXPECT_TRUE(problemsOf(path, table).empty());
    table.replace(7, table.record({"Jiny"}));  // changed behind the index's back
    const auto problems = problemsOf(path, table);
    ASSERT_FALSE(problems.empty());
    EXPECT_NE(problems.front().find("record 7"), std::string::npos);
}
