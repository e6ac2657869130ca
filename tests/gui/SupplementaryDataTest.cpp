// The supplementary data of an invoice whose salesman code is unknown:
// "Zapiš" after changing only the job number writes it without asking for
// a salesman; once the salesman field was entered, an unknown code opens
// the salesmen list, and cancelling it keeps the dialog open.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "ShellModalWatcher.h"
#include "controls/TDBEditOrvo.h"
#include "data/table/ScopedTableOpen.h"
#include "screens/invoices/TFakDoplForm.h"
#include "support/CompanyFixture.h"

using namespace tarvela;
using tarvela::test::CompanyFixture;
using tarvela::test::ShellModalWatcher;

namespace {

class SupplementaryData : public ::testing::Test {
protected:
    void SetUp() override
    {
        company.addSalesman("S11", 22, 0.5);
        company.add("Faktury", {{"HLA_DO1", "F1"}, {"HLA_OBC", "ZZ9"}, {"HLA_DO4", "Z1"}});
        invoices.emplace(company.data(), company.data().Faktury, "DO1");
        DbfTable& header = company.data().Faktury;
        ASSERT_TRUE(header.seek("F1"));
        header.edit();
        form.emplace(nullptr, company.data());
        form->show();
        QApplication::setActiveWindow(&*form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&*form));
    }

    void TearDown() override
    {
        form.reset();
        if (company.data().Faktury.state() != DbfTable::State::Browse)
            company.data().Faktury.cancel();
    }

    void clickWrite()
    {
        for (QPushButton* button : form->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("Zapiš"))
                return QTest::mouseClick(button, Qt::LeftButton);
        ADD_FAILURE() << "no button Zapiš";
    }

    CompanyFixture company;
    std::optional<ScopedTableOpen> invoices;
    std::optional<TFakDoplForm> form;
};

} // namespace

TEST_F(SupplementaryData, JobNumberAloneIsWrittenWithAnUnknownSalesman)
{
    form->jobEdit().setFocus();
    form->jobEdit().selectAll();
    QTest::keyClicks(&form->jobEdit(), "Z77");
    ShellModalWatcher watcher;
    clickWrite();
    EXPECT_TRUE(watcher.dialogTitles.isEmpty());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(company.data().Faktury.asString("HLA_DO4"), "Z77");
    EXPECT_EQ(company.data().Faktury.asString("HLA_OBC"), "ZZ9");
}

TEST_F(SupplementaryData, AnEnteredSalesmanFieldIsCheckedOnWrite)
{
    form->salesmanEdit().setFocus();
    ShellModalWatcher watcher;  // rejects the salesmen list
    clickWrite();
    EXPECT_FALSE(watcher.dialogTitles.isEmpty());
    EXPECT_NE(form->result(), QDialog::Accepted);
    EXPECT_TRUE(form->isVisible());
}
