// The users, groups and rights windows on a copy of the demo company, driven
// by their keys as the logged-in administrator (group ADM) or salesman Horák
// (group OBC, no right to manage users or rights). What the rights window
// shows is checked against the rights table on disk and against HasRight.
#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "ShellModalWatcher.h"
#include "controls/TDBEditOrvo.h"
#include "data/company/TData.h"
#include "data/table/ScopedTableOpen.h"
#include "data/rights/RightsTable.h"
#include "data/rights/UserRights.h"
#include "gui/CommandButton.h"
#include "screens/users/TPrehledPravUzi.h"
#include "screens/users/TPrehledSkupUziv.h"
#include "screens/users/TPrehledUzivatelu.h"
#include "screens/users/TUsrPolEdit.h"
#include "platform/Text.h"
#include "support/RecordingUi.h"
#include "support/ToolRun.h"

using namespace tarvela;
using tarvela::test::ShellModalWatcher;

namespace {

const CurrentUser kAdmin {"Správce systému", "001", "ADM"};
const CurrentUser kSalesman {"Horák Miloš", "004", "OBC"};

class DemoUsers : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        demo_ = std::make_unique<test::TempDir>();
        const test::ToolRun made = test::runTool("tarvela-demo", demo_->str() + " --seed 5", *demo_);
        ASSERT_EQ(made.exitCode, 0) << made.err;
    }
    static void TearDownTestSuite() { demo_.reset(); }

    void SetUp() override
    {
        std::filesystem::copy(demo_->path(), copy_.path(), std::filesystem::copy_options::recursive);
        data_ = std::make_unique<TData>(ui, copy_.str() + "/", PathMapping {});
        ASSERT_TRUE(data_->DataCreate());
    }

    void TearDown() override
    {
        rights_.reset();
        data_.reset();
    }

    UserRights& logIn(const CurrentUser& user)
    {
        rights_ = std::make_unique<UserRights>(*data_, user);
        return *rights_;
    }

    // The row of a task in a grid whose first column holds task names.
    static int rowOf(QTableView& grid, const QString& taskName)
    {
        for (int row = 0; row < grid.model()->rowCount(); ++row)
            if (grid.model()->index(row, 0).data().toString() == taskName)
                return row;
        return -1;
    }
    static QString shown(QTableView& grid, int row)
    {
        return grid.model()->index(row, 1).data().toString() + "/" + grid.model()->index(row, 2).data().toString();
    }

    static void showAndActivate(QWidget& window)
    {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    test::RecordingUi ui;
    test::TempDir copy_;
    std::unique_ptr<TData> data_;
    std::unique_ptr<UserRights> rights_;
    static inline std::unique_ptr<test::TempDir> demo_;
};

} // namespace

TEST_F(DemoUsers, WithoutRight004UsersCannotBeAddedOrChanged)
{
    ScopedTableOpen users(data_->Uzivatele);
    for (const CurrentUser& who : {kSalesman, kAdmin}) {
        TPrehledUzivatelu list(nullptr, *data_, logIn(who));
        showAndActivate(list);
        const bool manages = who.Code == kAdmin.Code;
        EXPECT_EQ(buttonOf(list, "F2 Nový")->isEnabled(), manages);
        EXPECT_EQ(buttonOf(list, "F4 Oprava")->isEnabled(), manages);
        EXPECT_TRUE(buttonOf(list, "F10 Práva")->isEnabled());
        ShellModalWatcher watcher;
        QTest::keyClick(&list.grid(), Qt::Key_F2);
        showAndActivate(list);
        QTest::keyClick(&list.grid(), Qt::Key_F4);
        EXPECT_EQ(watcher.dialogTitles.size(), manages ? 2 : 0) << who.Code;
        EXPECT_EQ(data_->Uzivatele.state(), DbfTable::State::Browse);
    }
}

TEST_F(DemoUsers, F4WritesTheUsersOwnRowAndDeleteDerivesItBack)
{
    UserRights& admin = logIn(kAdmin);
    // Svoboda (003) is in OBC, whose row allows invoices and has none for payments.
    TPrehledPravUzi window(nullptr, *data_, admin, RightsHolder::User, "003", "OBC");
    showAndActivate(window);
    EXPECT_EQ(window.windowTitle(), "Přehled práv uživatele");
    const int payments = rowOf(window.grid(), "Úhrady dokladů");
    ASSERT_GE(payments, 0);
    EXPECT_EQ(shown(window.grid(), payments), "Skupina/Ne");
    window.grid().selectRow(payments);
    QTest::keyClick(&window.grid(), Qt::Key_F4);
    EXPECT_EQ(shown(window.grid(), payments), "Uživatel/Ano");
    EXPECT_EQ(rightStatus(*data_, "002", "003"), 1);

    // The question takes the window's activity away and back; the answer
    // still goes to the task chosen before it, which stays selected.
    ShellModalWatcher watcher;
    watcher.boxAnswer = QMessageBox::Yes;
    QTest::keyClick(&window.grid(), Qt::Key_Delete);
    EXPECT_EQ(watcher.messages, QStringList {"Odvodit právo od uživ. skupiny ?"});
    showAndActivate(window);
    EXPECT_EQ(shown(window.grid(), payments), "Skupina/Ne");
    EXPECT_EQ(window.grid().currentIndex().row(), payments);
    EXPECT_FALSE(rightStatus(*data_, "002", "003").has_value());

    QTest::keyClick(&window.grid(), Qt::Key_Delete);
    EXPECT_EQ(ui.messages, std::vector<std::string> {"Nelze měnit odvozená práva"});

    UserRights svoboda(*data_, CurrentUser {"Svoboda Petr", "003", "OBC"});
    // The browser stands the task table on the selected row.
    for (int row = 0; row < window.grid().model()->rowCount(); ++row) {
        window.grid().selectRow(row);
        EXPECT_EQ(svoboda.HasRight(withoutTrailingBlanks(data_->UziPopPrav.asString("URT_KOD"))),
                  window.grid().model()->index(row, 2).data().toString() == "Ano")
            << row;
    }
}

TEST_F(DemoUsers, WithoutRight003NeitherChangeNorDeriveDoesAnything)
{
    UserRights& himself = logIn(kSalesman);
    TPrehledPravUzi window(nullptr, *data_, himself, RightsHolder::User, "004", "OBC");
    showAndActivate(window);
    EXPECT_FALSE(buttonOf(window, "F4 Změna")->isEnabled());
    // Horák's own row allows commission cards; deriving would not be his to do.
    const int cards = rowOf(window.grid(), "Provizní karty");
    ASSERT_GE(cards, 0);
    window.grid().selectRow(cards);
    ShellModalWatcher watcher;
    QTest::keyClick(&window.grid(), Qt::Key_F4);
    QTest::keyClick(&window.grid(), Qt::Key_Delete);
    EXPECT_TRUE(watcher.messages.isEmpty());
    EXPECT_EQ(shown(window.grid(), cards), "Uživatel/Ano");
    EXPECT_EQ(rightStatus(*data_, "007", "004"), 1);
}

TEST_F(DemoUsers, GroupModeAndAGroupInUseIsNotDeleted)
{
    ScopedTableOpen groups(data_->UzivSkup);
    TPrehledSkupUziv list(nullptr, *data_, logIn(kAdmin));
    showAndActivate(list);
    list.grid().selectRow(2);
    ASSERT_EQ(list.grid().model()->index(2, 0).data().toString(), "OBC");
    std::optional<QString> rightsTitle;
    {
        ShellModalWatcher watcher([&](QDialog& dialog) {
            rightsTitle = dialog.windowTitle();
            dialog.reject();
        });
        QTest::keyClick(&list.grid(), Qt::Key_F10);
    }
    EXPECT_EQ(rightsTitle, "Přehled práv skupiny uživatelů");

    showAndActivate(list);
    ShellModalWatcher watcher;
    QTest::keyClick(&list.grid(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(watcher.messages, QStringList {"Delete record?"});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Skupinu OBC nelze smazat, patří do ní uživatelé 003, 004.");
    EXPECT_EQ(list.grid().model()->rowCount(), 3);
}

TEST_F(DemoUsers, UserDialogUpperCasesTheLoginAndRefusesDuplicates)
{
    ScopedTableOpen users(data_->Uzivatele);
    UserRights& admin = logIn(kAdmin);
    const std::uint32_t before = data_->Uzivatele.recordCount();
    data_->Uzivatele.append();
    TUsrPolEdit form(nullptr, *data_, admin, true);
    form.refreshFields();
    showAndActivate(form);
    QTest::keyClicks(&form.edit(TUsrPolEdit::Login), "novakova");
    EXPECT_EQ(form.edit(TUsrPolEdit::Login).text(), "NOVAKOVA");
    EXPECT_EQ(form.edit(TUsrPolEdit::Password).echoMode(), QLineEdit::Password);

    ShellModalWatcher watcher;
    QString group = "obc";
    EXPECT_FALSE(form.checkGroup(group)) << "a lower-case group code is not found";
    EXPECT_EQ(watcher.dialogTitles, QStringList {"Přehled skupin uživatelů"});

    form.edit(TUsrPolEdit::Code).setText("006");
    form.edit(TUsrPolEdit::Group).setText("OBC");
    buttonOf(form, "Zapis")->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(ui.messages, std::vector<std::string> {
                               "Přihlašovací jméno NOVAKOVA již má jiný uživatel. Zadejte jiné jméno."});
    form.edit(TUsrPolEdit::Code).setText("002");
    form.edit(TUsrPolEdit::Login).setText("NOVY");
    buttonOf(form, "Zapis")->click();
    EXPECT_EQ(ui.messages.back(), "Uživatel s kódem 002 již existuje. Zadejte jiný kód.");
    form.reject();
    data_->Uzivatele.cancel();
    EXPECT_EQ(data_->Uzivatele.recordCount(), before);

    data_->Uzivatele.first();
    TUsrPolEdit change(nullptr, *data_, admin, false);
    EXPECT_FALSE(change.edit(TUsrPolEdit::Code).isEnabled());
}

TEST_F(DemoUsers, ATableFailingUnderACommandIsShownAndTheWindowGoesOn)
{
    ScopedTableOpen users(data_->Uzivatele);
    TPrehledUzivatelu list(nullptr, *data_, logIn(kAdmin));
    showAndActivate(list);
    // The rights table's index is damaged while the list is open: F10 asks
    // it for a right before the rights window can open.
    data_->UziPrava.close();
    const std::filesystem::path index = copy_.path() / "data" / "Urs0000.cdx";
    const auto intact = std::filesystem::temp_directory_path() / ("intact-" + index.filename().string());
    std::filesystem::copy_file(index, intact, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::resize_file(index, 700);
    {
        ShellModalWatcher watcher;
        QTest::keyClick(&list.grid(), Qt::Key_F10);
        ASSERT_EQ(watcher.messages.size(), 1) << "the failure is shown, not lost or fatal";
        EXPECT_TRUE(watcher.messages[0].contains("Urs0000.cdx")) << watcher.messages[0].toStdString();
        EXPECT_TRUE(watcher.dialogTitles.isEmpty());
    }
    data_->UziPrava.close();
    std::filesystem::copy_file(intact, index, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove(intact);
    EXPECT_TRUE(list.isVisible());
    showAndActivate(list);
    ShellModalWatcher watcher;
    QTest::keyClick(&list.grid(), Qt::Key_F10);
    EXPECT_EQ(watcher.dialogTitles, QStringList {"Přehled práv uživatele"}) << "the same command works again";
}
