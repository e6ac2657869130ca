// A commission report started the way a user starts it: the menu command,
// its parameter dialog filled by keys, "Spusť", and the preview window.
#include <QAction>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sstream>

#include "ShellModalWatcher.h"
#include "app/TZakladni.h"
#include "data/rights/UserRights.h"
#include "commission/SettlementFixture.h"
#include "commission/ReportRuns.h"
#include "screens/reports/TSesProvizeForm.h"
#include "controls/TEditOrvo.h"
#include "controls/TPelzarDateEdit.h"
#include "report/PlainTextWriter.h"
#include "report/render_qt/PreviewWindow.h"
#include "report/render_qt/QtReportDevices.h"

using namespace tarvela;
using tarvela::test::day;
using tarvela::test::SettlementCompany;
using tarvela::test::ShellModalWatcher;

namespace {

std::vector<std::string> firstPageLines(const ReportDocument& document)
{
    std::vector<std::string> lines;
    if (document.pages.empty())
        return lines;
    std::istringstream in(plainText(ReportDocument {{document.pages.front()}}));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Types a date over the whole text, digit by digit.
void typeDate(TPelzarDateEdit& edit, const char* digits)
{
    edit.setFocus();
    edit.selectAll();
    QTest::keyClicks(&edit, digits);
}

QPushButton* buttonOf(QWidget& window, const QString& caption)
{
    for (auto* button : window.findChildren<QPushButton*>())
        if (button->text() == caption)
            return button;
    return nullptr;
}

// What the user saw on the way from the menu to the preview.
struct MenuRun {
    bool dialogFilled = false;
    DayNumber typedFrom = 0;
    DayNumber typedTo = 0;
    QString previewTitle;
    bool previewOwnedByMainWindow = false;
    std::optional<ReportDocument> shown;
};

} // namespace

TEST(ShellReportFromMenu, SettlementReachesPreviewWithTitleAndSalesmanOnFirstPage)
{
    SettlementCompany company;
    company.salesman("S01");
    company.paidInvoice("F101", "S01", day(1, 3), 1000, day(5, 3));
    company.sale("F101", "K1", 1000);
    TData& data = company.company.data();
    TDataSestavy sestavy(data);
    sestavy.DocumentsFolder = [&company] { return company.company.folder().str(); };
    UserRights rights(data, CurrentUser {});
    TZakladni window(data, rights, reportRunsOf(sestavy));
    QtReportDevices devices(sestavy.Sestavy, &window, &company.company.ui);
    window.show();

    MenuRun seen;
    ShellModalWatcher watcher([&](QDialog& dialog) {
        if (auto* form = qobject_cast<TSesProvizeForm*>(&dialog)) {
            if (seen.dialogFilled) {
                form->reject();  // "Spusť" did not close it: give up rather than hang
                return;
            }
            seen.dialogFilled = true;
            form->salesmanEdit()->setFocus();
            QTest::keyClicks(form->salesmanEdit(), "S01");
            typeDate(*form->firstDate(), "01032026");
            typeDate(*form->secondDate(), "31032026");
            seen.typedFrom = form->firstDate()->dayNumber();
            seen.typedTo = form->secondDate()->dayNumber();
            buttonOf(*form, "Spusť")->click();
        } else if (auto* preview = qobject_cast<PreviewWindow*>(&dialog)) {
            seen.previewTitle = preview->windowTitle();
            seen.previewOwnedByMainWindow = preview->parentWidget() == &window;
            seen.shown = preview->document();
            preview->reject();
        }
    });
    window.menuAction("Sestava vyúčtování provizí")->trigger();

    EXPECT_TRUE(seen.dialogFilled);
    EXPECT_EQ(seen.typedFrom, day(1, 3));
    EXPECT_EQ(seen.typedTo, day(31, 3));
    EXPECT_EQ(seen.previewTitle, "Náhled před tiskem");
    EXPECT_TRUE(seen.previewOwnedByMainWindow);
    ASSERT_TRUE(seen.shown.has_value());
    const std::vector<std::string> lines = firstPageLines(*seen.shown);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Vyúčtování provizí z faktur uhrazených v období od 01.03.2026 do 31.03.2026");
    EXPECT_EQ(lines[1], "Obchodní zástupce :\tObchodník S01");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Číslo faktury \tF101"), lines.end());
    EXPECT_TRUE(company.company.ui.messages.empty());
    EXPECT_FALSE(data.Faktury.isOpen()) << "the run closes what it opened";
}

TEST(ShellReportFromMenu, CancelledDialogRunsNothing)
{
    SettlementCompany company;
    company.salesman("S01");
    TData& data = company.company.data();
    TDataSestavy sestavy(data);
    UserRights rights(data, CurrentUser {});
    TZakladni window(data, rights, reportRunsOf(sestavy));
    bool previewed = false;
    sestavy.Sestavy.setPreview([&](const ReportDocument&, int) { previewed = true; });
    window.show();

    int visits = 0;
    ShellModalWatcher watcher([&](QDialog& dialog) {
        auto* form = qobject_cast<TSesProvizeForm*>(&dialog);
        if (form == nullptr)
            return;
        if (++visits > 1) {
            form->reject();  // Esc did not close it: give up rather than hang
            return;
        }
        QTest::keyClicks(form->salesmanEdit(), "S01");
        QTest::keyClick(form, Qt::Key_Escape);
    });
    window.menuAction("Sestava vyúčtování provizí")->trigger();
    EXPECT_EQ(visits, 1) << "Esc closes the dialog";
    EXPECT_EQ(watcher.dialogTitles.value(0), "Sestava provizí  za období");
    EXPECT_FALSE(previewed);
    EXPECT_TRUE(company.company.ui.messages.empty());
}
