// The parameter dialogs of the list reports under real key events: presets,
// the Enter path through the choices, the salesman field that only the
// filter box enables, and Esc cancelling.
#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "commission/SettlementFixture.h"
#include "controls/TEditOrvo.h"
#include "controls/TPelzarDateEdit.h"
#include "screens/reports/TSesPrehFakOdDo.h"
#include "screens/reports/TSesProdejce.h"

using namespace tarvela;

namespace {

QWidget* focused(QWidget& dialog)
{
    QApplication::processEvents();
    return dialog.focusWidget();
}

TEST(ListReportDialogs, OverviewPresetsAndTheEnterPath)
{
    test::SettlementCompany company;
    company.salesman("S01");
    TSesPrehFakOdDo dialog(nullptr, company.company.data());
    const QDate today(2026, 4, 15);
    dialog.presetPeriod(today);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Sestava přehledu dokladů"));
    EXPECT_EQ(dialog.size(), QSize(269, 340));
    EXPECT_EQ(dialog.firstDate()->dayNumber(), test::day(16, 3));
    EXPECT_EQ(dialog.secondDate()->dayNumber(), test::day(15, 4));
    EXPECT_FALSE(dialog.salesmanEdit()->isEnabled());
    EXPECT_EQ(focused(dialog), dialog.firstDate());

    dialog.dateKind()->button(0)->setFocus();
    QTest::keyClick(dialog.dateKind()->button(0), Qt::Key_Down);
    QTest::keyClick(focused(dialog), Qt::Key_Return);
    EXPECT_EQ(focused(dialog), dialog.paymentChoice()->button(0));
    QTest::keyClick(focused(dialog), Qt::Key_Down);
    QTest::keyClick(focused(dialog), Qt::Key_Return);
    EXPECT_EQ(focused(dialog), dialog.filterBox());
    QTest::keyClick(dialog.filterBox(), Qt::Key_Return);  // unchecked: on to the spreadsheet box
    EXPECT_FALSE(dialog.filterBox()->isChecked());
    EXPECT_EQ(focused(dialog), dialog.xlsBox());
    dialog.filterBox()->setFocus();
    QTest::keyClick(dialog.filterBox(), Qt::Key_Space);
    EXPECT_TRUE(dialog.salesmanEdit()->isEnabled());
    EXPECT_EQ(focused(dialog), dialog.salesmanEdit());
    QTest::keyClicks(dialog.salesmanEdit(), " S01");
    QTest::keyClick(dialog.xlsBox(), Qt::Key_Space);
    QTest::keyClick(dialog.xlsBox(), Qt::Key_Return);
    EXPECT_EQ(focused(dialog), dialog.cancelButton());

    const ReportRequest request = dialog.request();
    EXPECT_EQ(request.dateBasis, DateBasis::TaxableSupply);
    EXPECT_EQ(request.paymentFilter, PaymentFilter::PaidOnly);
    EXPECT_TRUE(request.salesmanFilterOn);
    EXPECT_EQ(request.salesmanFilter, "S01");
    EXPECT_TRUE(request.exportXls);
    QTest::keyClick(dialog.startButton(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(ListReportDialogs, TurnoverAndRebateMoveToTheirCheckBoxAndEscCancels)
{
    for (const bool rebate : {false, true}) {
        std::unique_ptr<TSesProdejce> dialog =
            rebate ? std::make_unique<TSesOdberat>(nullptr) : std::make_unique<TSesProdejce>(nullptr);
        dialog->presetPeriod(QDate(2026, 3, 31));
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        EXPECT_EQ(dialog->windowTitle(), rebate ? QStringLiteral("Sestava provizí za odběratele")
                                                : QStringLiteral("Sestava prodeje za obchodníky"));
        EXPECT_EQ(dialog->size(), QSize(269, 237));
        EXPECT_EQ(dialog->firstDate()->dayNumber(), test::day(1, 3));
        QTest::keyClick(dialog->dateKind()->button(0), Qt::Key_Return);
        EXPECT_EQ(focused(*dialog), dialog->xlsBox());
        EXPECT_FALSE(dialog->request().exportXls);
        QTest::keyClick(dialog->xlsBox(), Qt::Key_Escape);
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_FALSE(dialog->isVisible());
    }
}

} // namespace
