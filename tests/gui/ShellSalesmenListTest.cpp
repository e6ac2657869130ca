// The salesmen list driven by its keys: F2 adds, F4 changes the current
// salesman under its record lock, Ctrl+Delete asks before deleting. Changes
// are checked through a second handle on the same file, as another copy of
// the program would see them.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "ShellModalWatcher.h"
#include "controls/TDBEditOrvo.h"
#include "screens/salesmen/TObchEditForm.h"
#include "screens/salesmen/TPrehledObchZas.h"
#include "support/CompanyFixture.h"

using namespace tarvela;
using tarvela::test::CompanyFixture;
using tarvela::test::ShellModalWatcher;

namespace {

class SalesmenList : public ::testing::Test {
protected:
    void SetUp() override
    {
        company.addSalesman("001", 22, 0.5);
        company.addSalesman("002", 15, 0.3);
        data().Obchodnici.open();
        list.emplace(nullptr, data());
        list->show();
        activate();
    }

    // The box that asked has gone; the user is back in the list.
    void activate()
    {
        list->activateWindow();
        QApplication::setActiveWindow(&*list);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&*list));
    }

    void TearDown() override
    {
        list.reset();
        data().Obchodnici.close();
    }

    TData& data() { return company.data(); }

    int rows() const { return list->grid().model()->rowCount(); }

    void selectSalesman(const QString& code)
    {
        auto* model = list->grid().model();
        for (int row = 0; row < model->rowCount(); ++row)
            if (model->index(row, 0).data().toString().trimmed() == code)
                list->grid().selectRow(row);
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&list->grid(), Qt::Key(key), modifiers);
    }

    // Another handle on the salesmen file, standing on the salesman of that code.
    void openOther(DbfTable& other, const std::string& code)
    {
        other.setDirectory(data().Obchodnici.directory());
        other.setTableName(data().Obchodnici.tableName());
        other.open();
        ASSERT_TRUE(other.locate({"OBC_KOD"}, {FieldValue(code)}));
    }

    std::string nameOnDisk(const std::string& code)
    {
        DbfTable other;
        openOther(other, code);
        return QString::fromStdString(other.asString("OBC_NAC")).trimmed().toStdString();
    }

    bool existsOnDisk(const std::string& code)
    {
        DbfTable other;
        other.setDirectory(data().Obchodnici.directory());
        other.setTableName(data().Obchodnici.tableName());
        other.open();
        return other.locate({"OBC_KOD"}, {FieldValue(code)});
    }

    CompanyFixture company;
    std::optional<TPrehledObchZas> list;
};

QPushButton* buttonOf(QWidget& window, const QString& caption)
{
    for (auto* button : window.findChildren<QPushButton*>())
        if (button->text() == caption)
            return button;
    return nullptr;
}

// Hands the edit form to fill; a second visit means "Zapiš" did not close
// it, so it is cancelled rather than left hanging.
ShellModalWatcher editFormWatcher(const std::function<void(TObchEditForm&)>& fill, int& visits)
{
    return ShellModalWatcher([&visits, fill](QDialog& dialog) {
        auto* form = qobject_cast<TObchEditForm*>(&dialog);
        if (form == nullptr)
            return;
        if (++visits > 1)
            return form->reject();
        fill(*form);
    });
}

// Answers the next message box with the given button and records its text.
class BoxAnswer {
public:
    explicit BoxAnswer(QMessageBox::StandardButton answer)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            texts << box->text();
            box->button(answer)->click();
        });
        timer_.start(15);
    }

    QStringList texts;

private:
    QTimer timer_;
};

} // namespace

TEST_F(SalesmenList, F2AddsTheSalesmanTypedIntoTheEditForm)
{
    int visits = 0;
    auto watcher = editFormWatcher(
        [](TObchEditForm& form) {
            QTest::keyClicks(&form.codeEdit(), "003");
            form.nameEdit().setText("Třetí Obchodník");
            buttonOf(form, "Zapiš")->click();
        },
        visits);
    press(Qt::Key_F2);
    EXPECT_EQ(visits, 1);
    EXPECT_EQ(watcher.dialogTitles.value(0), "Editace položky obchodníka");
    EXPECT_EQ(rows(), 3);
    EXPECT_EQ(data().Obchodnici.state(), DbfTable::State::Browse);
    EXPECT_EQ(nameOnDisk("003"), "Třetí Obchodník");
    EXPECT_TRUE(company.ui.messages.empty());
}

TEST_F(SalesmenList, F2CancelledAddsNothing)
{
    int visits = 0;
    auto watcher = editFormWatcher(
        [](TObchEditForm& form) {
            form.codeEdit().setText("004");
            buttonOf(form, "Storno")->click();
        },
        visits);
    press(Qt::Key_F2);
    EXPECT_EQ(visits, 1);
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(data().Obchodnici.state(), DbfTable::State::Browse);
    EXPECT_FALSE(existsOnDisk("004"));
}

TEST_F(SalesmenList, F4ChangesTheCurrentSalesmanWhileHoldingItsLock)
{
    selectSalesman("002");
    bool lockedByOtherDuringEdit = true;
    bool codeEditable = true;
    int visits = 0;
    auto watcher = editFormWatcher(
        [&](TObchEditForm& form) {
            DbfTable other;
            openOther(other, "002");
            lockedByOtherDuringEdit = other.lockRecord();
            codeEditable = form.codeEdit().isEnabled();
            EXPECT_EQ(form.codeEdit().text().trimmed(), "002");
            form.nameEdit().setText("Přejmenovaný");
            buttonOf(form, "Zapiš")->click();
        },
        visits);
    press(Qt::Key_F4);
    EXPECT_EQ(visits, 1);
    EXPECT_FALSE(lockedByOtherDuringEdit) << "the record is locked while the form is open";
    EXPECT_FALSE(codeEditable);
    EXPECT_EQ(nameOnDisk("002"), "Přejmenovaný");
    EXPECT_EQ(nameOnDisk("001"), "Obchodník 001");

    DbfTable other;
    openOther(other, "002");
    EXPECT_TRUE(other.lockRecord()) << "the lock is released after writing";
    other.unlockRecord();
}

TEST_F(SalesmenList, F4RefusesWhileAnotherHandleHoldsTheLock)
{
    selectSalesman("002");
    DbfTable other;
    openOther(other, "002");
    ASSERT_TRUE(other.lockRecord());
    int visits = 0;
    {
        auto watcher = editFormWatcher([](TObchEditForm& form) { form.reject(); }, visits);
        press(Qt::Key_F4);
    }
    EXPECT_EQ(visits, 0) << "no edit form without the lock";
    const std::string file = std::filesystem::path(data().Obchodnici.filePath()).filename().string();
    EXPECT_EQ(company.ui.messages, std::vector<std::string>{"Nelze zamknout zaznam v tabulce " + file});
    EXPECT_EQ(data().Obchodnici.state(), DbfTable::State::Browse);
    other.unlockRecord();

    // Once free, the same key edits it.
    auto renaming = editFormWatcher(
        [](TObchEditForm& form) {
            form.nameEdit().setText("Konečně");
            buttonOf(form, "Zapiš")->click();
        },
        visits);
    press(Qt::Key_F4);
    EXPECT_EQ(visits, 1);
    EXPECT_EQ(nameOnDisk("002"), "Konečně");
}

TEST_F(SalesmenList, CtrlDeleteAsksAndDeletesOnlyWhenConfirmed)
{
    selectSalesman("001");
    {
        BoxAnswer cancel(QMessageBox::Cancel);
        press(Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_EQ(cancel.texts, QStringList{"Delete record?"});
    }
    EXPECT_EQ(rows(), 2);
    EXPECT_TRUE(existsOnDisk("001"));
    activate();
    EXPECT_TRUE(list->grid().hasFocus()) << "the grid has the focus again after the question";
    {
        BoxAnswer confirm(QMessageBox::Ok);
        press(Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_EQ(confirm.texts, QStringList{"Delete record?"});
    }
    EXPECT_EQ(rows(), 1);
    EXPECT_FALSE(existsOnDisk("001"));
    EXPECT_TRUE(existsOnDisk("002"));
    EXPECT_TRUE(company.ui.messages.empty());
}
