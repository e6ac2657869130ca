// The commission cards of a salesman driven by their keys: a new row with a
// card retired from sale is refused, F4 changes a rate, and the "% z ceny"
// settlement then uses the new rate.
#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "ShellModalWatcher.h"
#include "commission/TDataSestavy.h"
#include "controls/TDBEditOrvo.h"
#include "data/table/ScopedTableOpen.h"
#include "gui/TableBrowser.h"
#include "report/PlainTextWriter.h"
#include "screens/cards/TPrehledProvKarta.h"
#include "screens/cards/TProvizeKartaEdit.h"
#include "support/CompanyFixture.h"

using namespace tarvela;
using tarvela::test::CompanyFixture;
using tarvela::test::ShellModalWatcher;

namespace {

class CardsList : public ::testing::Test {
protected:
    void SetUp() override
    {
        company.addGroup("G10", 10);
        company.add("Sortiment", {{"SOR_KAV", "100010"}, {"SOR_NAC", "Vrtačka"}, {"SOR_SKU", "G10"}});
        company.add("Sortiment", {{"SOR_KAV", "100020"}, {"SOR_NAC", "Pilka"}, {"SOR_SKU", "G10"}, {"SOR_OLD", true}});
        company.addSalesman("S1", 22, 0.5);
        company.addSalesman("S2", 22, 0.5);
        company.addCommissionCard("S1", "100010", 3);
        company.addCommissionCard("S2", "100020", 7);
        company.add("Faktury", {{"HLA_DO1", "F001"}, {"HLA_OBC", "S1"}, {"HLA_DVS", DateValue{day(1, 3)}},
                                {"HLA_DSP", DateValue{day(20, 3)}}, {"HLA_CUH", 400.0}});
        company.addJournalLine("F001", "100010", "004", -1, -400);
        company.addPayment("F001", 400, day(10, 3));
    }

    static DayNumber day(int d, int m) { return toDayNumber({2026, m, d}); }

    void openList()
    {
        data().OpenSor(0, "KAV");
        cards.emplace(data(), data().ProvKar, "KOD");
        data().ProvKar.setKeyRange("S1 000000", "S1 999999");
        list.emplace(nullptr, data(), "S1 ");
        list->show();
    }

    void closeList()
    {
        list.reset();
        cards.reset();
        data().CloseSor();
    }

    void TearDown() override { closeList(); }

    TData& data() { return company.data(); }
    int rows() const { return list->browser().view().model()->rowCount(); }
    void press(int key)
    {
        list->activateWindow();
        QApplication::setActiveWindow(&*list);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&*list));
        QTest::keyClick(&list->browser().view(), Qt::Key(key));
    }

    // Types into the card dialog and writes it; a second visit means "Zapiš"
    // did not close it, so it is cancelled.
    ShellModalWatcher cardDialog(const QString& card, const QString& percent, int& visits)
    {
        return ShellModalWatcher([=, &visits](QDialog& dialog) {
            auto* form = qobject_cast<TProvizeKartaEdit*>(&dialog);
            if (form == nullptr || ++visits > 1)
                return dialog.reject();
            if (!card.isEmpty())
                form->cardEdit().setText(card);
            form->percentEdit().setText(percent);
            for (auto* button : form->findChildren<QPushButton*>())
                if (button->text() == "Zapiš")
                    button->click();
        });
    }

    // The commission of F001 in the "% z ceny" settlement of S1 for March.
    std::string cardCommissionLine()
    {
        TDataSestavy sestavy(data());
        sestavy.Today = [] { return day(15, 4); };
        sestavy.DocumentsFolder = [this] { return company.folder().str(); };
        std::optional<ReportDocument> pages;
        sestavy.Sestavy.setPreview([&pages](const ReportDocument& generated, int) { pages = generated; });
        sestavy.SesProvObchKar("S1", day(1, 3), day(31, 3));
        EXPECT_TRUE(pages.has_value());
        std::istringstream in(pages ? plainText(*pages) : std::string());
        for (std::string line; std::getline(in, line);)
            if (line.starts_with("100010/"))
                return line;
        return {};
    }

    CompanyFixture company;
    std::optional<ScopedTableOpen> cards;
    std::optional<TPrehledProvKarta> list;
};

} // namespace

TEST_F(CardsList, RetiredCardIsRefusedForANewRow)
{
    openList();
    EXPECT_EQ(rows(), 1) << "only S1's cards";
    int visits = 0;
    {
        auto watcher = cardDialog("100020", "5", visits);
        press(Qt::Key_F2);
    }
    EXPECT_EQ(visits, 2) << "the dialog stayed open and was cancelled";
    ASSERT_FALSE(company.ui.messages.empty());
    EXPECT_EQ(company.ui.messages.front(), "Sortiment vyřazen z prodeje");
    EXPECT_EQ(rows(), 1);
}

TEST_F(CardsList, ChangedRateIsWhatThePercentOfPriceSettlementUses)
{
    const std::string before = cardCommissionLine();
    ASSERT_FALSE(before.empty());
    EXPECT_TRUE(before.ends_with("\t12")) << before;

    openList();
    int visits = 0;
    {
        auto watcher = cardDialog({}, "5", visits);
        press(Qt::Key_F4);
    }
    EXPECT_EQ(visits, 1);
    EXPECT_TRUE(company.ui.messages.empty());
    closeList();

    const std::string after = cardCommissionLine();
    EXPECT_TRUE(after.ends_with("\t20")) << after;
}
