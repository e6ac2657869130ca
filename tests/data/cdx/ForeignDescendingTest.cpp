// Descending tags as other programs may write them: flagged descending but
// stored ascending, or stored descending with equal keys in ascending record
// order. Both must read as the tags this program writes itself.
#include <gtest/gtest.h>

#include <algorithm>

#include "MemoryTable.h"
#include "data/table/IndexFileCheck.h"
#include "data/cdx/Expression.h"
#include "data/cdx/IndexSet.h"
#include "data/cdx/TagBuilder.h"
#include "data/cdx/TagDirectory.h"
#include "platform/CodePage.h"
#include "support/TempDir.h"

using namespace tarvela;
using namespace tarvela::cdx;
using test::MemoryTable;

namespace {

using Records = std::vector<std::uint32_t>;

constexpr std::uint32_t OrderWordOffset = 0x1F6;

class ForeignDescending : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"F00012", "Cukr", "F000123", "", "F00012", "Čaj", "cukr", "F00011", "Cukr"})
            table.append({utf8ToOem(name)});
        // A run of equal keys over several leaves, and a short one after it.
        for (int i = 0; i < 300; ++i)
            table.append({i % 3 ? "Dort" : "Bonbon"});
        IndexSet builder(table);
        builder.buildTag(path, "OWN", "NAZ", "", false, true, {});
    }

    // Writes a tag of NAZ in the given stored order with the given order word.
    void writeForeignTag(const std::string& name, bool flaggedDescending,
                         const std::function<void(const KeyList&, std::vector<std::uint32_t>&)>& arrange)
    {
        const Expression key("NAZ", table.fields());
        KeyList keys(static_cast<std::uint32_t>(key.keyLength()));
        for (std::uint32_t record = 1; record <= table.currentRecordCount(); ++record)
            keys.add(key.key(table.raw(record)), record);
        std::vector<std::uint32_t> order = storedOrder(keys, true, false, false);
        arrange(keys, order);
        TagHeader header;
        header.keyExpression = "NAZ";
        header.options = kOptionCompact | kOptionCompound;
        header.descending = flaggedDescending;
        header.keyLength = keys.keyLength();
        SharedFile file;
        ASSERT_EQ(file.open(path, ShareMode::Shared), OpenStatus::Opened);
        PageCache cache(file);
        cache.validate();
        enterInDirectory(cache, name, writeTag(cache, header, ' ', keys, order));
        cache.countChange();
    }

    Records walk(const std::string& tag, bool backward = false)
    {
        IndexSet indexes(table);
        indexes.attach(path);
        indexes.selectTag(tag);
        Records records;
        for (auto r = backward ? indexes.last() : indexes.first(); r != 0;
             r = backward ? indexes.prior(r, table.raw(r)) : indexes.next(r, table.raw(r)))
            records.push_back(r);
        return records;
    }

    // Every step from a fresh start, as after a change by another program:
    // the position must be found again from the record.
    Records walkAfresh(const std::string& tag)
    {
        Records records;
        for (auto r = first(tag); r != 0;) {
            records.push_back(r);
            if (records.size() > table.currentRecordCount()) {
                ADD_FAILURE() << "the walk meets records again";
                break;
            }
            IndexSet indexes(table);
            indexes.attach(path);
            indexes.selectTag(tag);
            r = indexes.next(r, table.raw(r));
        }
        return records;
    }

    std::uint32_t first(const std::string& tag)
    {
        IndexSet indexes(table);
        indexes.attach(path);
        indexes.selectTag(tag);
        return indexes.first();
    }

    std::vector<std::string> seeks(const std::string& tag)
    {
        IndexSet indexes(table);
        indexes.attach(path);
        indexes.selectTag(tag);
        std::vector<std::string> results;
        const auto note = [&](const SeekResult& r) { results.push_back(std::to_string(r.matched) + ":" + std::to_string(r.recordNumber)); };
        note(indexes.seek("F00012", false, false));
        note(indexes.seek(utf8ToOem("Cukr"), true, false));
        note(indexes.seek("D", false, true));
        note(indexes.seek("Zzz", false, true));
        indexes.setKeyRange("Cukr", "F00011");
        Records ranged;
        for (auto r = indexes.first(); r != 0; r = indexes.next(r, table.raw(r)))
            ranged.push_back(r);
        for (auto r : ranged)
            results.push_back(std::to_string(r));
        return results;
    }

    test::TempDir dir;
    MemoryTable table{{{"NAZ", 'C', 8}}};
    std::string path = (dir / "foreign.cdx").string();
};

} // namespace

TEST_F(ForeignDescending, AscendingStoredTagFlaggedDescendingReadsAsOurOwn)
{
    writeForeignTag("ASC", true, [](const KeyList&, std::vector<std::uint32_t>&) {});
    // Czech order backward, equal keys with the higher record first.
    const Records own = walk("OWN");
    EXPECT_EQ(Records(own.begin(), own.begin() + 3), (Records{3, 5, 1}));
    EXPECT_EQ(Records(own.end() - 3, own.end()), (Records{13, 10, 4}));
    EXPECT_EQ(walk("ASC"), own);
    EXPECT_EQ(walkAfresh("ASC"), own);
    EXPECT_EQ(walk("ASC", true), walk("OWN", true));
    EXPECT_EQ(seeks("ASC"), seeks("OWN"));
    // Kept up to date, it stays stored its own way and still agrees.
    {
        IndexSet indexes(table);
        indexes.attach(path);
        for (const char* name : {"Dort", "F00012", "A"}) {
            const std::uint32_t record = table.append({name});
            indexes.recordWritten(record, "", table.raw(record));
        }
    }
    EXPECT_EQ(walk("ASC"), walk("OWN"));
    for (const TagReport& report : checkIndexFile(path, table))
        EXPECT_TRUE(report.isSound()) << report.name;
}

TEST_F(ForeignDescending, EqualKeysInAscendingRecordOrderAreEachMetOnce)
{
    writeForeignTag("RUN", true, [](const KeyList& keys, std::vector<std::uint32_t>& order) {
        std::reverse(order.begin(), order.end());
        for (auto run = order.begin(); run != order.end();) {
            const auto end = std::find_if(run, order.end(), [&](std::uint32_t i) { return keys.key(i) != keys.key(*run); });
            std::reverse(run, end);
            run = end;
        }
    });
    // Our own order with each run of equal keys turned round.
    Records expected = walk("OWN");
    for (auto run = expected.begin(); run != expected.end();) {
        const auto end = std::find_if(run, expected.end(), [&](std::uint32_t r) { return table.raw(r) != table.raw(*run); });
        std::reverse(run, end);
        run = end;
    }
    const Records forward = walk("RUN");
    EXPECT_EQ(forward, expected);
    EXPECT_EQ(walkAfresh("RUN"), expected);
    Records backward = walk("RUN", true);
    std::reverse(backward.begin(), backward.end());
    EXPECT_EQ(backward, forward);
    for (const TagReport& report : checkIndexFile(path, table))
        EXPECT_TRUE(report.isSound()) << report.name;
}

TEST_F(ForeignDescending, TurningBackWithinARunOfEqualKeysIsNoCycle)
{
    IndexSet indexes(table);
    indexes.attach(path);
    indexes.selectTag("OWN");
    ASSERT_TRUE(indexes.seek("Dort", true, false).matched);
    Records met{indexes.seek("Dort", true, false).recordNumber};
    const auto step = [&](bool forward) {
        const std::uint32_t from = met.back();
        met.push_back(forward ? indexes.next(from, table.raw(from)) : indexes.prior(from, table.raw(from)));
    };
    for (bool forward : {true, true, true, false, false, true, true, true})
        step(forward);
    // Dort is in records 10 + i for i not divisible by 3, higher records first.
    EXPECT_EQ(met, (Records{309, 308, 306, 305, 306, 308, 306, 305, 303}));
}
