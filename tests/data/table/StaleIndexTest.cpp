// Tables whose key fields another program changed without keeping the index:
// walks in both directions, seeks and key ranges end in the damage message
// that names the index file and its repair, in a bounded number of steps.
#include <gtest/gtest.h>

#include <functional>

#include "data/table/DbfTable.h"
#include "platform/Date.h"
#include "platform/Error.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

constexpr int Records = 300;

std::string codeOf(int i)
{
    return "K" + std::to_string(10000 + i * 37 % Records);
}

class StaleIndex : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<TableRow> rows;
        for (int i = 0; i < Records; ++i)
            rows.push_back({{codeOf(i), std::to_string(20240101 + i % 28)}});
        writeTable(dir / "Sta0001.DBF", {field("STA_KOD", 'C', 8), field("STA_DAT", 'D', 8)}, rows);
        DbfTable builder;
        open(builder, true);
        builder.buildIndexTag("Sta0001", "KOD", "STA_KOD", "", false, false);
        builder.buildIndexTag("Sta0001", "DAT", "STA_DAT", "", false, false);
        builder.buildIndexTag("Sta0001", "DES", "STA_KOD", "", false, true);
    }

    void open(DbfTable& table, bool exclusive = false)
    {
        table.setDirectory(dir.str());
        table.setTableName("Sta0001");
        table.setExclusive(exclusive);
        table.open();
    }

    // What a program without index upkeep does: the record changes, the
    // index does not.
    void changeBehindTheIndex(std::uint32_t record, const std::function<void(DbfTable&)>& change)
    {
        DbfTable plain;
        open(plain);
        plain.setRecordNumber(record);
        plain.edit();
        change(plain);
        plain.post();
    }

    void changeCodeBehindTheIndex(std::uint32_t record, const std::string& code)
    {
        changeBehindTheIndex(record, [&](DbfTable& t) { t.setString("STA_KOD", code); });
    }

    void changeDateBehindTheIndex(std::uint32_t record, int year)
    {
        changeBehindTheIndex(record, [&](DbfTable& t) { t.setDate("STA_DAT", toDayNumber({year, 1, 1})); });
    }

    // Runs one operation on a fresh opening of the damaged table; true when
    // it reported the damage, false when it ended normally.
    bool reportsDamage(const std::string& tag, const std::function<void(DbfTable&, int&)>& operation)
    {
        DbfTable table;
        open(table);
        table.attachIndexFile("Sta0001");
        table.selectTag(tag);
        int steps = 0;
        try {
            operation(table, steps);
        } catch (const Error& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find("Sta0001.cdx is corrupted."), std::string::npos) << message;
            EXPECT_NE(message.find("tarvela-dbf reindex"), std::string::npos) << message;
            return true;
        }
        EXPECT_LE(steps, Records) << "tag " << tag;
        return false;
    }

    static void step(int& steps)
    {
        if (++steps > 3 * Records)
            throw std::runtime_error("walk does not end");
    }

    static void walkForward(DbfTable& t, int& steps)
    {
        for (t.first(); !t.eof(); t.next())
            step(steps);
    }

    static void walkBackward(DbfTable& t, int& steps)
    {
        for (t.last(); !t.bof(); t.prior())
            step(steps);
    }

    void expectEveryUseReportsIt(const std::string& tag, const std::string& storedKey)
    {
        SCOPED_TRACE("tag " + tag);
        EXPECT_TRUE(reportsDamage(tag, walkForward));
        EXPECT_TRUE(reportsDamage(tag, walkBackward));
        EXPECT_TRUE(reportsDamage(tag, [&](DbfTable& t, int&) { t.seek(storedKey); }));
        EXPECT_TRUE(reportsDamage(tag, [&](DbfTable& t, int& steps) {
            for (t.setKeyRange(storedKey, storedKey); !t.eof(); t.next())
                step(steps);
        }));
    }

    TempDir dir;
};

} // namespace

// Record 5 moves before the first key, after the last, or onto the key of
// another record; moved backward, a walk from it would lead back for ever.
TEST_F(StaleIndex, KeyMovedBackwardOrForwardOrOntoAnotherRecordsKey)
{
    changeCodeBehindTheIndex(5, "A0");
    expectEveryUseReportsIt("KOD", codeOf(4));
    expectEveryUseReportsIt("DES", codeOf(4));
    changeCodeBehindTheIndex(5, "Z9");
    expectEveryUseReportsIt("KOD", codeOf(4));
    changeCodeBehindTheIndex(5, codeOf(7));
    expectEveryUseReportsIt("KOD", codeOf(4));
}

TEST_F(StaleIndex, DateKeyMovedBehindTheIndex)
{
    changeDateBehindTheIndex(9, 1999);
    EXPECT_TRUE(reportsDamage("DAT", walkForward));
    EXPECT_TRUE(reportsDamage("DAT", walkBackward));
}

// Records that keep their keys are not damage: an index whose records were
// changed in other fields reads as before.
TEST_F(StaleIndex, ChangesOutsideTheKeysLeaveTheIndexSound)
{
    changeDateBehindTheIndex(5, 2024);
    EXPECT_FALSE(reportsDamage("KOD", walkForward));
    EXPECT_FALSE(reportsDamage("KOD", [](DbfTable& t, int&) { EXPECT_TRUE(t.seek(codeOf(5))); }));
}
