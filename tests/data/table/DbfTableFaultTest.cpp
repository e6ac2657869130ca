// A record write with index upkeep under failing writes and locks: a clear
// error, and never an index entry for a record that did not reach the file.
#include <gtest/gtest.h>

#include <cerrno>

#include "data/dbf/DbfFile.h"
#include "data/table/DbfTable.h"
#include "data/table/IndexFileCheck.h"
#include "platform/CodePage.h"
#include "support/FaultSweep.h"
#include "support/IndexBuilder.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

class DbfTableFaults : public ::testing::Test {
protected:
    void makeTable()
    {
        table.close();
        std::filesystem::remove(dir / "Sor0001.cdx");
        writeTable(dir / "Sor0001.DBF", {field("SOR_KAV", 'C', 7), field("SOR_NAC", 'C', 10)},
                   {{{"000001", utf8ToOem("Čaj")}}, {{"000002", utf8ToOem("Cukr")}}});
        buildIndexTags(dir.path(), "Sor0001", {{"KAV", "SOR_KAV"}, {"NAC", "UPPER(SOR_NAC)"}});
        table.setDirectory(dir.str());
        table.setTableName("Sor0001");
        table.open();
        table.attachIndexFile("Sor0001");
        table.selectTag("KAV");
    }

    // Whether a record of the file holds the card, and the index's verdict.
    bool fileHolds(const std::string& card, bool& indexSound)
    {
        table.close();
        DbfFile file((dir / "Sor0001.DBF").string(), ShareMode::Shared, LockProtocol::Clipper, 0);
        bool holds = false;
        std::string bytes;
        for (std::uint32_t record = 1; record <= file.currentRecordCount(); ++record) {
            file.readRawRecord(record, bytes);
            holds = holds || bytes.compare(1, card.size(), card) == 0;
        }
        indexSound = true;
        for (const TagReport& report : checkIndexFile((dir / "Sor0001.cdx").string(), file))
            indexSound = indexSound && report.isSound();
        return holds;
    }

    void expectNoEntryWithoutItsRecord(const std::string& card, const FaultRun& run)
    {
        bool indexSound = false;
        const bool written = fileHolds(card, indexSound);
        if (!written || !run.failed)
            EXPECT_TRUE(indexSound) << "operation " << run.nth << (written ? " written" : " not written");
        EXPECT_TRUE(written || run.failed) << "operation " << run.nth;
    }

    TempDir dir;
    DbfTable table;
};

} // namespace

TEST_F(DbfTableFaults, AppendUnderFailingWritesAndLocks)
{
    for (FileOperation kind : {FileOperation::Write, FileOperation::Lock}) {
        const int runs = sweepFileFaults(
            kind, EIO, [&] { makeTable(); },
            [&] {
                table.append();
                table.setString("SOR_KAV", "000003");
                table.setString("SOR_NAC", "Žďár");
                table.post();
            },
            [&](const FaultRun& run) { expectNoEntryWithoutItsRecord("000003", run); });
        EXPECT_GT(runs, 0);
    }
}

TEST_F(DbfTableFaults, KeyChangeUnderFailingWritesAndLocks)
{
    for (FileOperation kind : {FileOperation::Write, FileOperation::Lock}) {
        const int runs = sweepFileFaults(
            kind, ENOSPC, [&] { makeTable(); },
            [&] {
                table.first();
                table.edit();
                table.setString("SOR_KAV", "000009");
                table.post();
            },
            [&](const FaultRun& run) { expectNoEntryWithoutItsRecord("000009", run); });
        EXPECT_GT(runs, 0);
    }
}
