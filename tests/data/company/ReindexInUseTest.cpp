// The reindexing against another program at work on a table: its record,
// header, table or index lock, held by a real second process, leaves that
// table and its index as they are; and while a table is rebuilt, the
// protocol's locks are ours, so another program is kept off it.
#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

#include "data/company/ReindexCompany.h"
#include "data/catalogue/IndexCatalogue.h"
#include "data/catalogue/TableCatalogue.h"
#include "data/company/TableReindex.h"
#include "platform/FileFaults.h"
#include "platform/WholeFile.h"
#include "support/ForeignLock.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

constexpr std::uint64_t kClipperBase = 1'000'000'000;

// A rebuilt index file is a new file that took the old one's name.
ino_t inodeOf(const std::string& path)
{
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_ino;
}

std::string inUseMessage(const std::string& tableFile)
{
    return "S tabulkou " + tableFile
           + " právě pracuje jiný program, její index zůstal beze změny. Spusťte indexaci, až s ní nebude "
             "nikdo pracovat.";
}

struct ForeignWork {
    const char* what;
    const char* member;
    bool onIndex;  // the lock is in the index file, not in the table file
    std::uint64_t offset;
    std::uint64_t length;
};

const ForeignWork kForeignWork[] = {
    {"record 5", "Faktury", false, kClipperBase + 5, 1},
    {"header while appending", "Faktury", false, kClipperBase, 1},
    {"whole table", "Faktury", false, kClipperBase, kClipperBase},
    {"index during a seek", "Faktury", true, kClipperBase, 1},
    {"record 1 under the default protocol", "DobVolHla", false, 0x7FFFFFFEu - 1, 1},
    {"index under the default protocol", "DobVolHla", true, 0x7FFFFFFDu, 1},
};

} // namespace

TEST(ReindexInUse, AnotherProgramsLockLeavesThatTableOutAndTheOthersAreRebuilt)
{
    ReindexCompany company;
    company.writeTable("Faktury", {{{"HLA_DO1", std::string("F00001")}}, {{"HLA_DO1", std::string("F00002")}}});
    TData& data = company.data();
    ASSERT_TRUE(data.Index());

    for (const ForeignWork& work : kForeignWork) {
        SCOPED_TRACE(work.what);
        const std::string table = company.tablePath(work.member);
        const std::string index = company.indexPath(work.member);
        const std::string before = readWholeFile(index);
        const ino_t indexBefore = inodeOf(index);
        const ino_t otherBefore = inodeOf(company.indexPath("Denik"));
        company.ui.messages.clear();
        {
            const ForeignLock lock(work.onIndex ? index : table, work.offset, work.length);
            ASSERT_TRUE(lock.isHeld());

            EXPECT_EQ(data.reindexAll(), std::vector<std::string>{tableFileOf(work.member, "0001") + ".dbf"});
        }
        EXPECT_EQ(company.ui.messages,
                  std::vector<std::string>{inUseMessage(tableFileOf(work.member, "0001") + ".dbf")});
        EXPECT_EQ(readWholeFile(index), before);
        EXPECT_EQ(inodeOf(index), indexBefore);
        EXPECT_NE(inodeOf(company.indexPath("Denik")), otherBefore);
        EXPECT_FALSE(data.table(work.member)->isOpen());
        EXPECT_FALSE(data.table(work.member)->isExclusive());
    }

    company.ui.messages.clear();
    EXPECT_TRUE(data.Index());
    EXPECT_TRUE(company.ui.messages.empty());
}

// A probe in the middle of the invoices' rebuild: the progress of their last
// tag is the latest moment before the new index file takes the old one's name.
class ProbingUi : public RecordingUi {
public:
    ProbingUi(std::string table, std::string index)
        : table_(std::move(table)), index_(std::move(index)),
          lastCaption_(findIndexedTable("Faktury")->tags.back().progressCaption)
    {
    }

    void processEvents() override
    {
        RecordingUi::processEvents();
        if (probed || progressCaptions.empty() || progressCaptions.back() != lastCaption_)
            return;
        probed = true;
        indexRefused = isForeignLockRefused(index_, kClipperBase, 1);
        recordRefused = isForeignLockRefused(table_, kClipperBase + 1, 1);
    }

    bool probed = false;
    bool indexRefused = false;
    bool recordRefused = false;

private:
    std::string table_;
    std::string index_;
    std::string lastCaption_;
};

TEST(ReindexInUse, TheTableAndIndexLocksAreOursUntilTheNewIndexIsInPlace)
{
    ReindexCompany company;
    company.writeTable("Faktury", {{{"HLA_DO1", std::string("F00001")}}});
    ASSERT_TRUE(company.data().Index());
    ProbingUi ui(company.tablePath("Faktury"), company.indexPath("Faktury"));
    const IndexedTable& entry = *findIndexedTable("Faktury");
    const ReindexTarget target{company.dataDirectory(), tableFileOf("Faktury", "0001"), entry.indexBaseName("0001")};

    EXPECT_TRUE(reindexTable(company.data().Faktury, entry, target, ui));

    ASSERT_TRUE(ui.probed);
    EXPECT_TRUE(ui.indexRefused);
    EXPECT_TRUE(ui.recordRefused);
    EXPECT_FALSE(isForeignLockRefused(company.indexPath("Faktury"), kClipperBase, 1));
    EXPECT_FALSE(isForeignLockRefused(company.tablePath("Faktury"), kClipperBase + 1, 1));
}

TEST(ReindexInUse, AFailedSwapNamesTheFileAndTheReasonAndKeepsTheOldIndex)
{
    ReindexCompany company;
    TData& data = company.data();
    ASSERT_TRUE(data.Index());
    const std::string index = company.indexPath("Faktury");
    const std::string before = readWholeFile(index);
    const ino_t indexBefore = inodeOf(index);
    const IndexedTable& entry = *findIndexedTable("Faktury");
    const ReindexTarget target{company.dataDirectory(), tableFileOf("Faktury", "0001"), entry.indexBaseName("0001")};
    company.ui.messages.clear();

    // As on a file server where another computer still has the old file open.
    armFileFault(FileOperation::Rename, 1, EBUSY);
    const bool rebuilt = reindexTable(data.Faktury, entry, target, company.ui);
    disarmFileFaults();

    EXPECT_FALSE(rebuilt);
    EXPECT_EQ(company.ui.messages, std::vector<std::string>{"Soubor " + index + " nelze nahradit novým indexem "
                                                            "(Device or resource busy), původní index zůstal "
                                                            "beze změny."});
    EXPECT_EQ(readWholeFile(index), before);
    EXPECT_EQ(inodeOf(index), indexBefore);
    EXPECT_FALSE(data.Faktury.isOpen());
}
