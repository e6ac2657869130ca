#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

#include "data/company/ReindexCompany.h"
#include "data/catalogue/IndexCatalogue.h"
#include "data/catalogue/TableCatalogue.h"
#include "data/company/TableReindex.h"
#include "platform/WholeFile.h"
#include "data/table/IndexFileCheck.h"
#include "data/dbf/DbfCreator.h"
#include "data/dbf/DbfFile.h"
#include "data/cdx/IndexFile.h"
#include "support/ChildProcess.h"
#include "support/FaultSweep.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

namespace fs = std::filesystem;

ino_t inodeOf(const std::string& path)
{
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_ino;
}

// Temporary files of a rebuild carry ".new" in their name.
int countTemporaryFiles(const std::string& directory)
{
    int count = 0;
    for (const auto& entry : fs::directory_iterator(directory))
        count += entry.path().filename().string().find(".new") != std::string::npos;
    return count;
}

int countFiles(const std::string& directory, const std::string& extension)
{
    int count = 0;
    for (const auto& entry : fs::directory_iterator(directory))
        count += entry.path().extension() == extension;
    return count;
}

std::vector<std::string> tagNamesOf(const std::string& indexPath)
{
    cdx::IndexFile file(indexPath, {}, LockProtocol::Clipper);
    file.refresh(true);
    std::vector<std::string> names;
    for (const cdx::Tag& tag : file.tags())
        names.push_back(tag.name);
    std::ranges::sort(names);
    return names;
}

// Record numbers in the order of the active tag, deleted records skipped.
std::vector<std::uint32_t> walk(DbfTable& table)
{
    std::vector<std::uint32_t> records;
    for (table.first(); !table.eof(); table.next())
        records.push_back(table.recordNumber());
    return records;
}

void expectSoundIndex(ReindexCompany& company, const std::string& member)
{
    DbfFile table(company.tablePath(member), ShareMode::Shared, LockProtocol::Clipper, 0);
    for (const TagReport& report : checkIndexFile(company.indexPath(member), table))
        EXPECT_TRUE(report.isSound()) << member << " " << report.name;
}

// The change counter of an index file: 4 bytes at offset 8, last byte lowest.
std::uint32_t counterOf(const std::string& indexPath)
{
    const std::string bytes = readWholeFile(indexPath).substr(8, 4);
    std::uint32_t counter = 0;
    for (const char byte : bytes)
        counter = counter << 8 | static_cast<unsigned char>(byte);
    return counter;
}

} // namespace

TEST(Reindex, RebuiltIndexFileCountsOnAboveTheOldOne)
{
    ReindexCompany company;
    company.writeTable("Denik", {{{"DEN_DOK", std::string("F1")}}});
    TData& data = company.data();
    ASSERT_TRUE(data.Index());
    const std::string journal = company.indexPath("Denik");
    const std::uint32_t fresh = counterOf(journal);
    ASSERT_TRUE(data.Index());
    EXPECT_GT(counterOf(journal), fresh) << "a second rebuild of the same rows";

    // A file that another program has counted far up, with a carry to come.
    std::string bytes = readWholeFile(journal);
    bytes.replace(8, 4, std::string("\x12\x34\xFF\xFF", 4));
    writeWholeFile(journal, bytes);
    ASSERT_TRUE(data.Index());
    EXPECT_GT(counterOf(journal), 0x1234FFFFu);
    expectSoundIndex(company, "Denik");
}

TEST(Reindex, RebuildsEveryIndexFileAndLeavesClosedTablesClosed)
{
    ReindexCompany company;
    company.writeTable("Denik", {{{"DEN_DOK", std::string("F1")}, {"DEN_KAV", std::string("000001")}},
                                 {{"DEN_DOK", std::string("F2")}, {"DEN_KAV", std::string("000002")}}});
    TData& data = company.data();

    EXPECT_TRUE(data.Index());

    EXPECT_TRUE(company.ui.messages.empty());
    EXPECT_EQ(countFiles(company.dataDirectory(), ".cdx"), 56);
    EXPECT_EQ(countTemporaryFiles(company.dataDirectory()), 0);
    for (const IndexedTable& entry : indexCatalogue()) {
        EXPECT_FALSE(data.table(entry.member)->isOpen()) << entry.member;
        EXPECT_FALSE(data.table(entry.member)->isExclusive()) << entry.member;
    }
    expectSoundIndex(company, "Denik");
    expectSoundIndex(company, "Faktury");
    EXPECT_EQ(tagNamesOf(company.indexPath("Faktury")),
              (std::vector<std::string>{"DAT", "DLU", "DO1", "DO2", "DO3", "NAC", "ODB"}));
}

TEST(Reindex, ReportsProgressPerTagAndHidesTheWindow)
{
    ReindexCompany company;
    company.writeTable("Denik", {{{"DEN_DOK", std::string("F1")}}, {{"DEN_DOK", std::string("F2")}}});
    company.data().Index();

    const auto& captions = company.ui.progressCaptions;
    const auto journal = std::ranges::find(captions, "Tabulka skladových pohybů - dle karty");
    ASSERT_NE(journal, captions.end());
    ASSERT_GE(captions.end() - journal, 3);
    EXPECT_EQ(journal[1], "Tabulka skladových pohybů - dle dokladu");
    EXPECT_EQ(journal[2], "Tabulka skladových pohybů - dle data zápisu");
    EXPECT_NE(std::ranges::find(company.ui.progressPercents, 100), company.ui.progressPercents.end());
    EXPECT_GT(company.ui.processEventsCalls, 0);
    EXPECT_FALSE(company.ui.progressVisible);
}

TEST(Reindex, TableOpenWithATagIsOpenWithThatTagAfterwards)
{
    ReindexCompany company;
    TData& data = company.data();
    ASSERT_TRUE(data.Index());
    data.OpenDen(0, "DAT");
    ASSERT_TRUE(data.Denik.isOpen());

    EXPECT_TRUE(data.Index());

    EXPECT_TRUE(data.Denik.isOpen());
    EXPECT_FALSE(data.Denik.isExclusive());
    EXPECT_EQ(data.Denik.activeTag(), "DAT");
    EXPECT_EQ(data.Denik.attachedTagCount(), 3);
    EXPECT_FALSE(data.Faktury.isOpen());
}

TEST(Reindex, TableHeldByAnotherProgramKeepsItsIndexAndTheRestGoesOn)
{
    ReindexCompany company;
    TData& data = company.data();
    ASSERT_TRUE(data.Index());
    const ino_t invoicesBefore = inodeOf(company.indexPath("Faktury"));
    const ino_t creditNotesBefore = inodeOf(company.indexPath("Dobropisy"));
    const std::string invoices = company.tablePath("Faktury");

    ChildProcess holder([&](Channel& channel) {
        DbfFile held(invoices, ShareMode::Shared, LockProtocol::Clipper, 0);
        channel.send('h');
        channel.receive();
        return 0;
    });
    ASSERT_EQ(holder.channel().receive(), 'h');
    company.ui.messages.clear();

    EXPECT_FALSE(data.Index());

    holder.channel().send('q');
    EXPECT_EQ(holder.wait(), 0);
    EXPECT_EQ(company.ui.messages, std::vector<std::string>{"Tabulka faktur nelze otevřít ve výhradním režimu !"});
    EXPECT_EQ(inodeOf(company.indexPath("Faktury")), invoicesBefore);
    EXPECT_NE(inodeOf(company.indexPath("Dobropisy")), creditNotesBefore);
    EXPECT_FALSE(data.Faktury.isOpen());
    EXPECT_FALSE(data.Faktury.isExclusive());
}

TEST(Reindex, MissingTableFileGivesOneMessageNamingIt)
{
    ReindexCompany company;
    fs::remove(company.tablePath("Sklad"));

    EXPECT_FALSE(company.data().Index());

    EXPECT_EQ(company.ui.messages,
              std::vector<std::string>{"Nenalezen soubor " + company.dataDirectory() + "Skl0001.dbf"});
    EXPECT_FALSE(fs::exists(company.indexPath("Sklad")));
    EXPECT_TRUE(fs::exists(company.indexPath("SkladPujc")));
}

TEST(Reindex, FailedBuildKeepsTheOldIndexFile)
{
    ReindexCompany company;
    TData& data = company.data();
    ASSERT_TRUE(data.Index());
    const std::string index = company.indexPath("Dodavky");
    const ino_t before = inodeOf(index);
    // Without the supplier's name the second tag cannot be built.
    DbfCreator(company.tablePath("Dodavky"), {{"HLA_DO1", 'C', 10, 0}}, {2026, 1, 1}).finish();
    company.ui.messages.clear();

    EXPECT_FALSE(data.Index());

    EXPECT_EQ(company.ui.messages,
              std::vector<std::string>{"Tabulka přijmu od dodavatelů nelze otevřít ve výhradním režimu !"});
    EXPECT_EQ(inodeOf(index), before);
    EXPECT_EQ(tagNamesOf(index), (std::vector<std::string>{"DAT", "DO1", "DO2", "NAC", "ODB"}));
    EXPECT_EQ(countTemporaryFiles(company.dataDirectory()), 0);
    EXPECT_FALSE(data.Dodavky.isOpen());
    EXPECT_FALSE(data.Dodavky.isExclusive());
}

TEST(Reindex, UniqueCardTagHoldsTheFirstRecordOfACard)
{
    ReindexCompany company;
    company.writeTable("Sortiment", {{{"SOR_KAV", std::string("000123")}, {"SOR_NAC", std::string("První")}},
                                     {{"SOR_KAV", std::string("000123")}, {"SOR_NAC", std::string("Druhá")}},
                                     {{"SOR_KAV", std::string("000200")}, {"SOR_NAC", std::string("Třetí")}}});
    TData& data = company.data();
    ASSERT_TRUE(data.Index());
    data.OpenSor(0, "KAV");

    EXPECT_EQ(walk(data.Sortiment), (std::vector<std::uint32_t>{1, 3}));
    ASSERT_TRUE(data.Sortiment.seek("000123"));
    EXPECT_EQ(data.Sortiment.asString("SOR_NAC"), "První");
    data.CloseSor();
}

TEST(Reindex, LoanTagHoldsOnlyCardsInStock)
{
    ReindexCompany company;
    company.writeTable("SkladPujc", {{{"SKL_KAV", std::string("000004")}, {"SKL_STA", 5.0}},
                                     {{"SKL_KAV", std::string("000003")}, {"SKL_STA", 0.0}},
                                     {{"SKL_KAV", std::string("000002")}, {"SKL_STA", -1.0}},
                                     {{"SKL_KAV", std::string("000001")}, {"SKL_STA", 0.5}}});
    TData& data = company.data();
    ASSERT_TRUE(data.Index());
    DbfTable& loans = data.SkladPujc;
    loans.open();
    loans.attachIndexFile(company.indexPath("SkladPujc"));
    loans.selectTag("PUJ");

    EXPECT_EQ(walk(loans), (std::vector<std::uint32_t>{4, 1}));
}

TEST(Reindex, RepricingItemsComeInDescendingCardOrder)
{
    ReindexCompany company;
    company.writeTable("PrecPol", {{{"PRP_KAV", std::string("000002")}, {"PRP_DO1", std::string("P1")}},
                                   {{"PRP_KAV", std::string("000009")}, {"PRP_DO1", std::string("P1")}},
                                   {{"PRP_KAV", std::string("000005")}, {"PRP_DO1", std::string("P2")}}});
    TData& data = company.data();
    ASSERT_TRUE(data.Index());
    DbfTable& items = data.PrecPol;
    items.open();
    items.attachIndexFile(company.indexPath("PrecPol"));
    items.selectTag("kav");

    EXPECT_EQ(walk(items), (std::vector<std::uint32_t>{2, 3, 1}));
    expectSoundIndex(company, "PrecPol");
}

// However a write, sync or rename of the rebuild fails, the index file is the
// old one byte for byte or a complete new one, and no temporary file is left.
TEST(Reindex, FailingFileOperationsLeaveTheOldIndexOrACompleteNewOne)
{
    ReindexCompany company;
    TData& data = company.data();
    const IndexedTable& entry = *findIndexedTable("Denik");
    const ReindexTarget target{company.dataDirectory(), tableFileOf("Denik", "0001"),
                               entry.indexBaseName("0001")};
    const std::string index = company.indexPath("Denik");
    const auto row = [](const char* document) {
        return ReindexCompany::Row{{"DEN_DOK", std::string(document)}, {"DEN_KAV", std::string("000001")}};
    };
    std::string before;
    bool rebuilt = false;
    for (FileOperation kind : {FileOperation::Write, FileOperation::Sync, FileOperation::Rename}) {
        const int runs = test::sweepFileFaults(
            kind, ENOSPC,
            [&] {
                company.writeTable("Denik", {row("F1"), row("F2")});
                ASSERT_TRUE(reindexTable(data.Denik, entry, target, company.ui));
                before = readWholeFile(index);
                company.writeTable("Denik", {row("F3"), row("F1"), row("F2")});
                company.ui.messages.clear();
            },
            [&] { rebuilt = reindexTable(data.Denik, entry, target, company.ui); },
            [&](const test::FaultRun& run) {
                EXPECT_EQ(rebuilt, company.ui.messages.empty()) << "operation " << run.nth;
                if (readWholeFile(index) != before)
                    expectSoundIndex(company, "Denik");
                else
                    EXPECT_FALSE(rebuilt) << "operation " << run.nth;
                EXPECT_EQ(countTemporaryFiles(company.dataDirectory()), 0);
            });
        EXPECT_GT(runs, 0);
    }
}

