// Ctrl+F12 of the credit-note browser: the commission items first, then the
// header recomputed from items changed behind its back and "Hlavička
// dokladu rekonstruována"; with the header held by another program the
// lock message instead, and the header as it was.
#include <QApplication>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>

#include "ShellModalWatcher.h"
#include "commission/DocumentCommission.h"
#include "commission/TDataSestavy.h"
#include "data/table/ScopedTableOpen.h"
#include "gui/TableBrowser.h"
#include "screens/credit_notes/TDobropisyPrehled.h"
#include "support/CompanyFixture.h"

using namespace tarvela;
using tarvela::test::CompanyFixture;
using tarvela::test::ShellModalWatcher;

namespace {

class CreditNoteRepair : public ::testing::Test {
protected:
    void SetUp() override
    {
        company.addGroup("G10", 10);
        company.addCard("K1", "Vrtačka", "G10");
        company.addSalesman("S11", 22, 0.5);
        company.add("Dobropisy", {{"HLA_DO1", "D001"}, {"HLA_OBC", "S11"}, {"HLA_DVS", DateValue{46000}}, {"HLA_CUH", 119.0}, {"HLA_PLA", true},
                                  {"HLA_BPL", 119.0}});
        company.addJournalLine("D001", "K1", "008", 1, 100.00);
        company.addPayment("D001", 119.0, 46000);
        sestavy.emplace(company.data());
        {
            // The shop system raises the returned value to 200.
            ScopedTableOpen journal(data().Denik);
            ASSERT_TRUE(data().Denik.locate({"DEN_DOK"}, {FieldValue(std::string("D001"))}));
            ASSERT_TRUE(data().Denik.lockRecord());
            data().Denik.edit();
            data().Denik.setFloat("DEN_HPC", 200.00);
            data().Denik.post();
            data().Denik.unlockRecord();
        }
        browser.emplace(nullptr, data(), [this](const DbfTable& header, DocumentKind kind) -> MemTable& {
            return commissionItemsOf(*sestavy, header, kind);
        });
        browser->show();
    }

    void TearDown() override { browser.reset(); }

    TData& data() { return company.data(); }

    void pressCtrlF12()
    {
        browser->activateWindow();
        QApplication::setActiveWindow(&*browser);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&*browser));
        QTest::keyClick(&browser->browser().view(), Qt::Key_F12, Qt::ControlModifier);
    }

    double storedTotal()
    {
        DbfTable other;
        other.setDirectory(data().Dobropisy.directory());
        other.setTableName(data().Dobropisy.tableName());
        other.open();
        other.first();
        return other.asFloat("HLA_CUH");
    }

    CompanyFixture company;
    std::optional<TDataSestavy> sestavy;
    std::optional<TDobropisyPrehled> browser;
};

} // namespace

TEST_F(CreditNoteRepair, ItemsFirstThenTheRecomputedHeaderAndTheMessage)
{
    std::size_t messagesWhenItemsShown = 99;
    ShellModalWatcher watcher([&](QDialog& dialog) {
        messagesWhenItemsShown = company.ui.messages.size();
        dialog.reject();
    });
    pressCtrlF12();
    EXPECT_EQ(watcher.dialogTitles, QStringList{"Přehled položek dokladu"});
    EXPECT_EQ(messagesWhenItemsShown, 0u) << "the message comes after the items view";
    EXPECT_EQ(company.ui.messages, std::vector<std::string>{"Hlavička dokladu rekonstruována"});
    EXPECT_NEAR(storedTotal(), 238.0, 0.001);
}

TEST_F(CreditNoteRepair, LockedHeaderGetsTheLockMessageAndNoSuccess)
{
    DbfTable otherProgram;
    otherProgram.setDirectory(data().Dobropisy.directory());
    otherProgram.setTableName(data().Dobropisy.tableName());
    otherProgram.open();
    otherProgram.first();
    ASSERT_TRUE(otherProgram.lockRecord());
    ShellModalWatcher watcher([](QDialog& dialog) { dialog.reject(); });
    pressCtrlF12();
    otherProgram.unlockRecord();
    ASSERT_EQ(company.ui.messages.size(), 1u);
    EXPECT_EQ(company.ui.messages[0].rfind("Nelze zamknout zaznam v tabulce ", 0), 0u);
    EXPECT_NEAR(storedTotal(), 119.0, 0.001);
}
