#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

#include "ShellModalWatcher.h"
#include "app/TZakladni.h"
#include "data/rights/UserRights.h"
#include "gui/WindowPlacement.h"
#include "screens/reports/TSesProvizeForm.h"
#include "controls/TEditOrvo.h"
#include "app/StatusPanes.h"
#include "platform/FileNames.h"
#include "support/CompanyFixture.h"

using namespace tarvela;
using tarvela::test::CompanyFixture;
using tarvela::test::ShellModalWatcher;

namespace {

struct OpenedDialog {
    QString title;
    QPoint offset;
};

// Chooses a menu item and records the dialog it opens, relative to the window.
OpenedDialog openFromMenu(TZakladni& window, const QString& caption)
{
    OpenedDialog opened;
    ShellModalWatcher watcher([&](QDialog& dialog) {
        opened = {dialog.windowTitle(), dialog.pos() - window.pos()};
        dialog.reject();
    });
    window.menuAction(caption)->trigger();
    return opened;
}

} // namespace

TEST(ShellMainWindow, BareTitleWithoutUsersTable)
{
    CompanyFixture company;
    TData& data = company.data();
    ASSERT_TRUE(std::filesystem::remove(resolvePathIgnoringCase(company.dataDirectory() + "USR0000.dbf")));
    UserRights rights(data, CurrentUser {"Novák Jan", "007", "OBC"});
    TZakladni window(data, rights, {});
    EXPECT_EQ(window.windowTitle(), "Tarvela 1.30");
    EXPECT_TRUE(window.statusPanes().userName().isEmpty());
}

TEST(ShellMainWindow, TitleCarriesDepartmentAndUserPaneTheName)
{
    CompanyFixture company;
    company.add("Vlastnik", {{"VLA_NAC", std::string("Železářství Brno")}});
    TData& data = company.data();
    UserRights rights(data, CurrentUser {"Novák Jan", "007", "OBC"});
    TZakladni window(data, rights, {});
    EXPECT_EQ(window.windowTitle(), "Tarvela 1.30 - Železářství Brno");
    EXPECT_EQ(window.statusPanes().userName(), "Novák Jan");
    EXPECT_FALSE(data.Vlastnik.isOpen());
    EXPECT_EQ(window.width(), 358);
}

TEST(ShellMainWindow, ReportDialogsOpenAtTheirOffsetsAndTitles)
{
    CompanyFixture company;
    TData& data = company.data();
    UserRights rights(data, CurrentUser {});
    TZakladni window(data, rights, {});
    window.show();
    window.move(200, 150);
    const auto summary = openFromMenu(window, "Sestava provizí souhrnná");
    EXPECT_EQ(summary.title, "Sestava provizí  za období");
    EXPECT_EQ(summary.offset, QPoint(50, 30));
    EXPECT_EQ(openFromMenu(window, "Sestava provizí dle skupin").title, "Sestava provizí dle skupin");
    EXPECT_EQ(openFromMenu(window, "Sestava provizi  % z ceny").title, "Sestava provizí  za období");
    EXPECT_EQ(openFromMenu(window, "Sestava nevyplacených provizí").title, "Sestava nevyplacených provizí");
    const auto salesmen = openFromMenu(window, "Obchodní zástupci");
    EXPECT_EQ(salesmen.title, "Přehled obchodních zástupců");
    EXPECT_EQ(salesmen.offset, QPoint(70, 30));
    EXPECT_FALSE(data.Obchodnici.isOpen());
    const auto users = openFromMenu(window, "Přehled uživatelů");
    EXPECT_EQ(users.title, "Přehled uživatelů");
    EXPECT_EQ(users.offset, QPoint(210, 40));
    EXPECT_EQ(openFromMenu(window, "Přehled skupin uživatelů").offset, QPoint(210, 40));
    EXPECT_FALSE(data.Uzivatele.isOpen() || data.UzivSkup.isOpen());
    const auto devices = openFromMenu(window, "Nastavení zařízení");
    EXPECT_EQ(devices.title, "Nastavení systémových parametrů");
    EXPECT_EQ(devices.offset, QPoint(100, 30));
}

TEST(ShellMainWindow, CtrlF1OpensTheInvoiceBrowserBesideTheWindow)
{
    CompanyFixture company;
    company.addInvoiceHeader("F00001");
    TData& data = company.data();
    UserRights rights(data, CurrentUser {});
    TZakladni window(data, rights, {});
    QPoint opened;
    ShellModalWatcher watcher([&](QDialog& dialog) {
        opened = dialog.pos();
        dialog.reject();
    });
    QAction* invoices = window.menuAction("Přehled vydaných faktur");
    ASSERT_NE(invoices, nullptr);
    EXPECT_EQ(invoices->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));
    invoices->trigger();
    EXPECT_EQ(watcher.dialogTitles, QStringList{"Přehled vydaných faktur"});
    EXPECT_EQ(opened, window.pos() + QPoint(50, 20));
    EXPECT_TRUE(watcher.messages.isEmpty());
    EXPECT_FALSE(data.Faktury.isOpen()) << "the browser closes the invoices";
}

TEST(ShellReportDialog, StartNeedsThreeCharacterSalesmanCode)
{
    CompanyFixture company;
    company.addSalesman("001", 22, 0.5);
    TData& data = company.data();
    TSesProvizeForm dialog(nullptr, data);
    bool accepted = false;
    QObject::connect(&dialog, &QDialog::accepted, [&] { accepted = true; });
    dialog.show();
    auto* start = dialog.findChild<QPushButton*>();
    ASSERT_NE(start, nullptr);
    ASSERT_EQ(start->text(), "Spusť");
    dialog.salesmanEdit()->setText("01");
    start->click();
    EXPECT_FALSE(accepted);
    dialog.salesmanEdit()->setText("001");
    start->click();
    EXPECT_TRUE(accepted);
}

TEST(ShellReportDialog, UnknownCodeOpensListAndCancelEmptiesField)
{
    CompanyFixture company;
    company.addSalesman("001", 22, 0.5);
    TData& data = company.data();
    TSesProvizeForm dialog(nullptr, data);
    dialog.move(300, 200);
    dialog.show();
    QPoint listOffset;
    ShellModalWatcher watcher([&](QDialog& list) {
        listOffset = list.pos() - dialog.pos();
        list.reject();
    });
    dialog.salesmanEdit()->setText("xy");
    dialog.salesmanEdit()->lookupButton().click();
    EXPECT_EQ(watcher.dialogTitles, QStringList{"Přehled obchodních zástupců"});
    EXPECT_EQ(listOffset, QPoint(40, 30));
    EXPECT_TRUE(dialog.salesmanEdit()->text().isEmpty());
    dialog.salesmanEdit()->setText("001");
    dialog.salesmanEdit()->lookupButton().click();
    EXPECT_EQ(watcher.dialogTitles.size(), 1) << "a known code opens nothing";
    EXPECT_FALSE(data.Obchodnici.isOpen());
}

TEST(ShellWindowPlacement, SnapsWithinFifteenPixelsOnly)
{
    const QRect area(0, 0, 1024, 738);
    EXPECT_EQ(snapToWorkArea(QRect(15, 300, 358, 140), area), QPoint(0, 300));
    EXPECT_EQ(snapToWorkArea(QRect(16, 300, 358, 140), area), QPoint(16, 300));
    EXPECT_EQ(snapToWorkArea(QRect(1024 - 358 - 10, 738 - 140 + 5, 358, 140), area), QPoint(1024 - 358, 738 - 140));
    EXPECT_EQ(snapToWorkArea(QRect(-8, -3, 358, 140), area), QPoint(0, 0));
}
