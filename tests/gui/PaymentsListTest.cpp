// The payments of an invoice driven by their keys: F2 records a payment
// through the payment dialog, F4 changes it, Ctrl+Delete deletes it, and the
// invoice header's paid sum, date and flag follow every one of them. The
// rows and the header are read back through another handle on the files.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "ShellModalWatcher.h"
#include "controls/TDBEditOrvo.h"
#include "controls/TPelzarDBDateEdit.h"
#include "data/table/ScopedTableOpen.h"
#include "gui/TableBrowser.h"
#include "screens/payments/PaymentDefaults.h"
#include "screens/payments/TPrehledTypPlateb.h"
#include "screens/payments/TPrehledUhrad.h"
#include "screens/payments/TUhradaForm.h"
#include "support/CompanyFixture.h"

using namespace tarvela;
using tarvela::test::CompanyFixture;
using tarvela::test::ShellModalWatcher;

namespace {

class PaymentsList : public ::testing::Test {
protected:
    void SetUp() override
    {
        company.add("Faktury", {{"HLA_DO1", "F00012"}, {"HLA_CUH", 1000.0}});
        company.add("Faktury", {{"HLA_DO1", "F000123"}, {"HLA_CUH", 50.0}});
        company.addPayment("F000123", 50.0, 45000);
        company.add("TypPlatby", {{"BPT_KOD", "001"}, {"BPT_NAC", "Převodem"}});
        company.add("TypPlatby", {{"BPT_KOD", "002"}, {"BPT_NAC", "Hotově"}});
        company.add("TypPlatby", {{"BPT_KOD", "BAN"}, {"BPT_NAC", "Bankou"}});
        invoices.emplace(data(), data().Faktury, "DO1");
        payments.emplace(data(), data().Vypisy, "DO1");
        ASSERT_TRUE(data().Faktury.seek("F00012"));
        data().Vypisy.setKeyRange("F00012", "F00012");
        list.emplace(nullptr, data(), defaults);
        list->show();
        activate();
    }

    // The dialog that was shown has gone; the user is back in the list.
    void activate()
    {
        list->activateWindow();
        QApplication::setActiveWindow(&*list);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&*list));
    }

    void TearDown() override { list.reset(); }

    TData& data() { return company.data(); }
    int rows() const { return list->browser().view().model()->rowCount(); }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        activate();
        QTest::keyClick(&list->browser().view(), Qt::Key(key), modifiers);
    }

    // The header of F00012 as another program reads it.
    struct Header {
        bool paid;
        double paidSum;
        DayNumber date;
    };
    Header header()
    {
        DbfTable other;
        other.setDirectory(data().Faktury.directory());
        other.setTableName(data().Faktury.tableName());
        other.open();
        EXPECT_TRUE(other.locate({"HLA_DO1"}, {FieldValue(std::string("F00012"))}));
        return {other.asBool("HLA_PLA"), other.asFloat("HLA_BPL"), other.asDate("HLA_BDP")};
    }

    // Fills the payment dialog and writes it; a second visit means "Zapiš"
    // did not close it, so it is cancelled.
    ShellModalWatcher payment(const QString& type, const QString& amount, DayNumber date, int& visits)
    {
        return ShellModalWatcher([=, &visits](QDialog& dialog) {
            auto* form = qobject_cast<TUhradaForm*>(&dialog);
            if (form == nullptr)
                return dialog.reject();
            if (++visits > 1)
                return form->reject();
            form->typeEdit().setText(type);
            form->dateEdit().setDayNumber(date);
            form->amountEdit().setText(amount);
            for (auto* button : form->findChildren<QPushButton*>())
                if (button->text() == "Zapiš")
                    button->click();
        });
    }

    // The one payment row of F00012 as another program reads it.
    struct Payment {
        std::string type;
        std::string statement;
        double amount;
        DayNumber date;
    };
    std::optional<Payment> storedPayment()
    {
        DbfTable other;
        other.setDirectory(data().Vypisy.directory());
        other.setTableName(data().Vypisy.tableName());
        other.open();
        if (!other.locate({"VYP_DO1"}, {FieldValue(std::string("F00012"))}))
            return std::nullopt;
        return Payment{other.asString("VYP_TYP"), other.asString("VYP_DO2"), other.asFloat("VYP_HOD"),
                       other.asDate("VYP_DVS")};
    }

    CompanyFixture company;
    PaymentDefaults defaults;
    std::optional<ScopedTableOpen> invoices;
    std::optional<ScopedTableOpen> payments;
    std::optional<TPrehledUhrad> list;
};

// Runs `act` once a modal window of kind T is shown. Each poll is a timer of
// its own, so polling goes on inside the modal loops that `act` starts.
template <class T>
void whenShown(std::function<void(T&)> act)
{
    QTimer::singleShot(15, [act] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (window == nullptr || !window->isVisible())
            return whenShown<T>(act);
        act(*window);
    });
}

// Keys as the keyboard delivers them: to the focused control of the active
// window, after a user's short pause; false when no control has the keyboard.
bool typeKeys(const QString& text)
{
    QTest::qWait(30);
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr)
        return false;
    QTest::keyClicks(target, text);
    return true;
}

bool pressKey(Qt::Key key)
{
    QTest::qWait(30);
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr)
        return false;
    QTest::keyClick(target, key);
    return true;
}

} // namespace

TEST_F(PaymentsList, OnlyTheInvoicesOwnPaymentsAreListed)
{
    EXPECT_EQ(rows(), 0) << "F000123's payment is not F00012's";
}

TEST_F(PaymentsList, AddChangeAndDeleteKeepTheHeaderRight)
{
    int visits = 0;
    {
        auto watcher = payment("001", "400", 45010, visits);
        press(Qt::Key_F2);
    }
    ASSERT_EQ(visits, 1);
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(defaults.lastPaymentType, "001");
    EXPECT_EQ(defaults.lastStatementDate, 45010);
    Header now = header();
    EXPECT_FALSE(now.paid);
    EXPECT_DOUBLE_EQ(now.paidSum, 400);
    EXPECT_EQ(now.date, 45010);

    visits = 0;
    {
        auto watcher = payment("002", "600", 45020, visits);
        press(Qt::Key_F2);
    }
    now = header();
    EXPECT_TRUE(now.paid);
    EXPECT_DOUBLE_EQ(now.paidSum, 1000);
    EXPECT_EQ(now.date, 45020);

    visits = 0;
    {
        auto watcher = payment("002", "500", 45020, visits);
        press(Qt::Key_F4);
    }
    EXPECT_EQ(visits, 1);
    now = header();
    EXPECT_FALSE(now.paid) << "600 changed to 500 leaves the invoice unpaid";
    EXPECT_DOUBLE_EQ(now.paidSum, 900);

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
        press(Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_EQ(asked, (QStringList{"Delete record?", "Delete record?"}));
    }
    EXPECT_EQ(rows(), 0);
    now = header();
    EXPECT_FALSE(now.paid);
    EXPECT_DOUBLE_EQ(now.paidSum, 0);
    EXPECT_EQ(now.date, 0) << "no payment left, no payment date";
}

TEST_F(PaymentsList, AnAmountThatDoesNotFitIsRefusedAndNothingIsWritten)
{
    int visits = 0;
    QStringList messages;
    {
        auto watcher = payment("001", "12345678901234", 45010, visits);
        press(Qt::Key_F2);
        messages = watcher.messages;
    }
    EXPECT_EQ(visits, 2) << "the dialog stayed open and was cancelled";
    ASSERT_FALSE(company.ui.messages.empty());
    EXPECT_EQ(company.ui.messages.back(), "Číslo 12345678901234 se nevejde do pole „Hrazená částka“")
        << "the field is named by its label, not by its column";
    EXPECT_EQ(rows(), 0);
    EXPECT_DOUBLE_EQ(header().paidSum, 0);
}

TEST_F(PaymentsList, APaymentWithoutAnAmountIsRefused)
{
    // The last rounds to nothing in the field, whatever its decimals.
    for (const QString amount : {"", "0", "0,00001"}) {
        int visits = 0;
        company.ui.messages.clear();
        {
            auto watcher = payment("001", amount, 45010, visits);
            press(Qt::Key_F2);
        }
        EXPECT_EQ(visits, 2) << "the dialog stayed open for '" << amount.toStdString() << "'";
        ASSERT_EQ(company.ui.messages.size(), 1u);
        EXPECT_EQ(company.ui.messages.back(), "Zadejte hrazenou částku.");
    }
    EXPECT_EQ(rows(), 0);
    EXPECT_FALSE(storedPayment().has_value());
}

TEST_F(PaymentsList, KeysTypedAfterTheTypeListReachTheNextFields)
{
    int lists = 0;
    bool keyboardKept = false;
    whenShown<TUhradaForm>([&](TUhradaForm& form) {
        whenShown<TPrehledTypPlateb>([&](TPrehledTypPlateb&) {
            ++lists;
            pressKey(Qt::Key_Return);
        });
        keyboardKept = typeKeys("XY") && pressKey(Qt::Key_Return) && typeKeys("V123") && pressKey(Qt::Key_Return)
            && pressKey(Qt::Key_Return) && typeKeys("400") && pressKey(Qt::Key_Return) && pressKey(Qt::Key_Space);
        if (form.isVisible())
            form.reject();
    });
    press(Qt::Key_F2);
    EXPECT_EQ(lists, 1) << "the unknown type offered the type list";
    EXPECT_TRUE(keyboardKept) << "the payment dialog has the keyboard again after the list";
    const auto payment = storedPayment();
    ASSERT_TRUE(payment.has_value());
    EXPECT_EQ(payment->type, "001");
    EXPECT_EQ(payment->statement, "V123");
    EXPECT_DOUBLE_EQ(payment->amount, 400);
    EXPECT_DOUBLE_EQ(header().paidSum, 400);
}

TEST_F(PaymentsList, APaymentTypedWithADottedDateAndEnterToTheEndIsRecordedAsTyped)
{
    bool typed = false;
    bool closed = false;
    whenShown<TUhradaForm>([&](TUhradaForm& form) {
        typed = typeKeys("BAN") && pressKey(Qt::Key_Return) && typeKeys("V2008001") && pressKey(Qt::Key_Return)
            && typeKeys("15.01.2008") && pressKey(Qt::Key_Return) && typeKeys("1250,5") && pressKey(Qt::Key_Return)
            && pressKey(Qt::Key_Return);
        QTest::qWait(30);
        closed = !form.isVisible();
        if (!closed)
            form.reject();
    });
    press(Qt::Key_F2);
    EXPECT_TRUE(typed);
    EXPECT_TRUE(closed) << "Enter on the focused \"Zapiš\" wrote the payment";
    const auto payment = storedPayment();
    ASSERT_TRUE(payment.has_value());
    EXPECT_EQ(payment->type, "BAN");
    EXPECT_EQ(payment->statement, "V2008001");
    EXPECT_EQ(payment->date, toDayNumber({2008, 1, 15}));
    EXPECT_DOUBLE_EQ(payment->amount, 1250.5);
    const Header now = header();
    EXPECT_DOUBLE_EQ(now.paidSum, 1250.5);
    EXPECT_EQ(now.date, toDayNumber({2008, 1, 15}));
}

TEST_F(PaymentsList, AnImpossibleDateIsRefusedInCzechAndTheDateKeepsTheFocus)
{
    QStringList shown;
    bool stayed = false;
    whenShown<TUhradaForm>([&](TUhradaForm& form) {
        whenShown<QMessageBox>([&](QMessageBox& box) {
            shown << box.text();
            pressKey(Qt::Key_Return);
        });
        typeKeys("BAN") && pressKey(Qt::Key_Return) && pressKey(Qt::Key_Return) && typeKeys("31.02.2008")
            && pressKey(Qt::Key_Return);
        QTest::qWait(100);
        stayed = form.dateEdit().hasFocus();
        form.reject();
    });
    press(Qt::Key_F2);
    EXPECT_EQ(shown, QStringList{"Neplatné datum „31.02.2008“: zadejte den, měsíc a rok, například 15.01.2008."});
    EXPECT_TRUE(stayed);
    EXPECT_FALSE(storedPayment().has_value());
}

TEST_F(PaymentsList, DeleteRecordFocusesCancelAndEnterPressesTheFocusedButton)
{
    int visits = 0;
    {
        auto watcher = payment("001", "400", 45010, visits);
        press(Qt::Key_F2);
    }
    ASSERT_EQ(rows(), 1);
    std::vector<QMessageBox::StandardButton> focusedFirst;
    const auto answerWith = [&](std::vector<Qt::Key> keys) {
        whenShown<QMessageBox>([&focusedFirst, keys](QMessageBox& box) {
            focusedFirst.push_back(box.standardButton(qobject_cast<QAbstractButton*>(QApplication::focusWidget())));
            for (Qt::Key key : keys)
                pressKey(key);
        });
        press(Qt::Key_Delete, Qt::ControlModifier);
    };
    answerWith({Qt::Key_Return});
    EXPECT_EQ(rows(), 1) << "Enter on the focused Cancel keeps the payment";
    answerWith({Qt::Key_Backtab, Qt::Key_Return});
    EXPECT_EQ(rows(), 0) << "Enter on OK deletes it";
    EXPECT_EQ(focusedFirst, (std::vector {QMessageBox::Cancel, QMessageBox::Cancel}));
    EXPECT_FALSE(storedPayment().has_value());
}
