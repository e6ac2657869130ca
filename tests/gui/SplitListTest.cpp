// The commission split of an invoice driven by its keys: F2 adds a second
// salesman's row through the row dialog, F4 changes it, Ctrl+Delete deletes
// it; the rows are read back through another handle, the index file is
// checked against the table, and only the invoice's own rows are listed.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>

#include "ShellModalWatcher.h"
#include "controls/TDBEditOrvo.h"
#include "data/catalogue/TableCatalogue.h"
#include "data/dbf/DbfFile.h"
#include "data/table/IndexFileCheck.h"
#include "data/table/ScopedTableOpen.h"
#include "gui/TableBrowser.h"
#include "screens/commission/TDelProvFormEdit.h"
#include "screens/commission/TProvDelPrehl.h"
#include "platform/RegionalSettings.h"
#include "support/CompanyFixture.h"

using namespace tarvela;
using tarvela::test::CompanyFixture;
using tarvela::test::ShellModalWatcher;

namespace {

struct SplitRowValues {
    std::string salesman;
    double commission;
    double turnover;
    std::string kind;
    double rate;
};

class SplitList : public ::testing::Test {
protected:
    void SetUp() override
    {
        company.addSalesman("S11", 22, 0.5);
        company.addSalesman("S22", 22, 0.5);
        company.add("TypProvize", {{"TPR_TYP", "001"}, {"TPT_NAC", "Dle skupin"}});
        company.add("TypProvize", {{"TPR_TYP", "002"}, {"TPT_NAC", "Pevná sazba"}});
        company.add("Faktury", {{"HLA_DO1", "F00012"}, {"HLA_OBC", "S11"}});
        company.add("Faktury", {{"HLA_DO1", "F000123"}, {"HLA_OBC", "S11"}});
        company.addSplit("F000123", "S11", 100, 100);
        invoices.emplace(data(), data().Faktury, "DO1");
        salesmen.emplace(data().Obchodnici);
        splits.emplace(data(), data().DelProv, "DO1");
        ASSERT_TRUE(data().Faktury.seek("F00012"));
        data().DelProv.setKeyRange("F00012", "F00012");
        list.emplace(nullptr, data(), TProvDelPrehl::InvoiceMode);
        list->show();
    }

    void TearDown() override { list.reset(); }

    TData& data() { return company.data(); }
    int rows() const { return list->browser().view().model()->rowCount(); }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        list->activateWindow();
        QApplication::setActiveWindow(&*list);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&*list));
        QTest::keyClick(&list->browser().view(), Qt::Key(key), modifiers);
    }

    // Fills the row dialog and writes it; what the dialog showed on opening
    // is kept in `opened`.
    ShellModalWatcher rowDialog(const SplitRowValues& typed, std::optional<SplitRowValues>& opened)
    {
        return ShellModalWatcher([=, &opened](QDialog& dialog) {
            auto* form = qobject_cast<TDelProvFormEdit*>(&dialog);
            if (form == nullptr || opened)
                return dialog.reject();
            opened = SplitRowValues{form->salesmanEdit().text().toStdString(),
                                    form->commissionShareEdit().text().toDouble(),
                                    form->turnoverShareEdit().text().toDouble(),
                                    form->kindEdit().text().toStdString(), form->rateEdit().isEnabled() ? 1.0 : 0.0};
            form->salesmanEdit().setText(QString::fromStdString(typed.salesman));
            form->kindEdit().setText(QString::fromStdString(typed.kind));
            form->rateEdit().setText(QString::number(typed.rate, 'f', 2));
            form->commissionShareEdit().setText(QString::number(typed.commission, 'f', 2));
            form->turnoverShareEdit().setText(QString::number(typed.turnover, 'f', 2));
            for (auto* button : form->findChildren<QPushButton*>())
                if (button->text() == "Zapiš")
                    button->click();
        });
    }

    // The rows of F00012 as another program reads them.
    std::vector<SplitRowValues> stored()
    {
        DbfTable other;
        other.setDirectory(data().DelProv.directory());
        other.setTableName(data().DelProv.tableName());
        other.open();
        std::vector<SplitRowValues> found;
        for (other.first(); !other.eof(); other.next())
            if (!other.isDeleted() && other.asString("DPR_FAK") == "F00012")
                found.push_back({other.asString("DPR_OBC"), other.asFloat("DPR_PRO"), other.asFloat("DPR_OBR"),
                                 other.asString("DPR_TYP"), other.asFloat("DPR_PRS")});
        return found;
    }

    void expectSoundIndex()
    {
        DbfTable& splits = data().DelProv;
        DbfFile table(splits.filePath(), ShareMode::Shared, LockProtocol::Clipper, 0);
        for (const TagReport& report : checkIndexFile(splits.directory() + indexFileOf("DelProv", "0001"), table))
            EXPECT_TRUE(report.isSound()) << report.name;
    }

    CompanyFixture company;
    std::optional<ScopedTableOpen> invoices;
    std::optional<ScopedTableOpen> salesmen;
    std::optional<ScopedTableOpen> splits;
    std::optional<TProvDelPrehl> list;
};

} // namespace

TEST_F(SplitList, AddChangeAndDeleteASecondSalesmansRow)
{
    EXPECT_EQ(rows(), 0) << "the row of F000123 is not F00012's";

    std::optional<SplitRowValues> opened;
    {
        // A rate typed beside kind "001" is not stored.
        auto watcher = rowDialog({"S22", 40, 40, "001", 5}, opened);
        press(Qt::Key_F2);
    }
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->kind, "001");
    EXPECT_DOUBLE_EQ(opened->commission, 100);
    EXPECT_DOUBLE_EQ(opened->turnover, 100);
    EXPECT_DOUBLE_EQ(opened->rate, 0) << "the rate field starts disabled";
    auto now = stored();
    ASSERT_EQ(now.size(), 1u) << (company.ui.messages.empty() ? "" : company.ui.messages.back());
    EXPECT_EQ(now[0].salesman, "S22");
    EXPECT_DOUBLE_EQ(now[0].commission, 40);
    EXPECT_DOUBLE_EQ(now[0].turnover, 40);
    EXPECT_DOUBLE_EQ(now[0].rate, 0);
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(list->browser().model().data(list->browser().model().index(0, 0), Qt::DisplayRole).toString(),
              "Obchodník S22");
    expectSoundIndex();

    opened.reset();
    {
        auto watcher = rowDialog({"S22", 30, 40, "002", 3.5}, opened);
        press(Qt::Key_F4);
    }
    ASSERT_TRUE(opened);
    EXPECT_DOUBLE_EQ(opened->commission, 40);
    now = stored();
    ASSERT_EQ(now.size(), 1u);
    EXPECT_DOUBLE_EQ(now[0].commission, 30);
    EXPECT_EQ(now[0].kind, "002");
    EXPECT_DOUBLE_EQ(now[0].rate, 3.5);
    expectSoundIndex();

    {
        QStringList asked;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&asked] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked << box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        answer.start(15);
        press(Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_EQ(asked, (QStringList{"Delete record?"}));
    }
    EXPECT_TRUE(stored().empty());
    EXPECT_EQ(rows(), 0);
    expectSoundIndex();
}

TEST_F(SplitList, AnotherKindKeepsItsRateAndSharesShowTwoDecimals)
{
    std::optional<SplitRowValues> opened;
    {
        auto watcher = rowDialog({"S22", 100.0 / 3, 40, "003", 7}, opened);
        press(Qt::Key_F2);
    }
    const auto now = stored();
    ASSERT_EQ(now.size(), 1u) << (company.ui.messages.empty() ? "" : company.ui.messages.back());
    EXPECT_EQ(now[0].kind, "003");
    EXPECT_DOUBLE_EQ(now[0].rate, 7) << "only kind 001 clears the rate";
    const auto shown = [this](int column) {
        return list->browser().model().data(list->browser().model().index(0, column), Qt::DisplayRole).toString();
    };
    setDecimalSeparator(',');
    list->browser().refresh();
    EXPECT_EQ(shown(1), "33,33");
    EXPECT_EQ(shown(2), "40,00");
    EXPECT_EQ(shown(4), "7,00");
    setDecimalSeparator(decimalSeparatorFromEnvironment());
}

TEST_F(SplitList, AShareThatDoesNotFitIsRefusedAndNothingIsWritten)
{
    std::optional<SplitRowValues> opened;
    {
        auto watcher = rowDialog({"S22", 123456789012.0, 40, "001", 0}, opened);
        press(Qt::Key_F2);
    }
    ASSERT_FALSE(company.ui.messages.empty());
    EXPECT_EQ(company.ui.messages.back(), "Číslo 123456789012 se nevejde do pole „Přidělení provize v %“")
        << "the field is named by its label";
    EXPECT_TRUE(stored().empty());
}
