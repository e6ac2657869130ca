// Document totals on real tables: HlaHod, OpravaHlavicky and the roundings.
#include <gtest/gtest.h>

#include "support/CompanyFixture.h"
#include "data/documents/Rounding.h"
#include "data/company/TData.h"
#include "data/table/ScopedTableOpen.h"
#include "platform/Error.h"
#include "platform/FileFaults.h"

#include <filesystem>

namespace tarvela {
namespace {

using test::CompanyFixture;

TEST(TotalsRounding, UpToWholeUnitsWithTolerance)
{
    EXPECT_DOUBLE_EQ(RoundUpUnit(119.476), 120.0);
    EXPECT_DOUBLE_EQ(RoundUpUnit(120.004), 120.0);
    EXPECT_DOUBLE_EQ(RoundUpUnit(120.006), 121.0);
    EXPECT_DOUBLE_EQ(RoundUpUnit(1190.0), 1190.0);
    EXPECT_DOUBLE_EQ(RoundUpUnit(-119.3), -119.0);
}

TEST(TotalsRounding, UpToTenthsWithTolerance)
{
    EXPECT_DOUBLE_EQ(RoundUpTenth(15.966386), 16.0);
    EXPECT_DOUBLE_EQ(RoundUpTenth(19.0), 19.0);
    EXPECT_DOUBLE_EQ(RoundUpTenth(2.0004), 2.0);
    EXPECT_DOUBLE_EQ(RoundUpTenth(2.0006), 2.1);
}

TEST(TotalsRounding, HalfAwayAndHalfEven)
{
    EXPECT_DOUBLE_EQ(RoundHalfAway(2.5, 0), 3.0);
    EXPECT_DOUBLE_EQ(RoundHalfAway(-2.5, 0), -3.0);
    EXPECT_DOUBLE_EQ(RoundHalfAway(0.000000004, 2), 0.0);
    EXPECT_DOUBLE_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_DOUBLE_EQ(RoundHalfEven(3.5), 4.0);
    EXPECT_DOUBLE_EQ(RoundHalfEven(-2.5), -2.0);
}

TEST(TotalsHlaHod, InvoiceOfThousandAtNineteenPercent)
{
    CompanyFixture company(1);
    company.addJournalLine("F001", "K1", "004", -1, -1000.00);
    const DocumentTotals totals = company.data().HlaHod("F001", kInvoiceKind);
    EXPECT_DOUBLE_EQ(totals.basicBase, 1000.0);
    EXPECT_DOUBLE_EQ(totals.basicVat, 190.0);
    EXPECT_DOUBLE_EQ(totals.total, 1190.0);
    EXPECT_DOUBLE_EQ(totals.roundingDifference, 0.0);
}

TEST(TotalsHlaHod, TotalIsRoundedUpWithItsDifference)
{
    CompanyFixture company(1);
    company.addJournalLine("F001", "K1", "004", -1, -100.40);
    const DocumentTotals totals = company.data().HlaHod("F001", kInvoiceKind);
    EXPECT_DOUBLE_EQ(totals.total, 120.0);
    EXPECT_NEAR(totals.roundingDifference, 0.524, 1e-9);
}

TEST(TotalsHlaHod, FiveThousandthsBelowAUnitStayBelow)
{
    CompanyFixture company(1);
    company.addJournalLine("F004", "K1", "004", -1, -120.004, 0, 0);
    company.addJournalLine("F006", "K1", "004", -1, -120.006, 0, 0);
    TData& data = company.data();
    const DocumentTotals below = data.HlaHod("F004", kInvoiceKind);
    EXPECT_DOUBLE_EQ(below.total, 120.0);
    EXPECT_NEAR(below.roundingDifference, -0.004, 1e-9);
    EXPECT_DOUBLE_EQ(data.HlaHod("F006", kInvoiceKind).total, 121.0);
}

TEST(TotalsHlaHod, DiscountWithVatAtGrossPriceBasis)
{
    CompanyFixture company(2);
    company.addJournalLine("F001", "K1", "004", -1, -1000.00);
    company.addDiscount("F001", 100.00, 19, true, false);
    const DocumentTotals totals = company.data().HlaHod("F001", kInvoiceKind);
    EXPECT_NEAR(totals.basicBase, 1000.0 - 84.0, 1e-9);
    EXPECT_NEAR(totals.basicVat, 190.0 - 16.0, 1e-9);
    EXPECT_DOUBLE_EQ(totals.total, 1090.0);
}

TEST(TotalsHlaHod, DiscountWithVatAtNetPriceBasis)
{
    CompanyFixture company(1);
    company.addJournalLine("F001", "K1", "004", -1, -1000.00);
    company.addDiscount("F001", 100.00, 19, true, false);
    const DocumentTotals totals = company.data().HlaHod("F001", kInvoiceKind);
    EXPECT_NEAR(totals.basicBase, 900.0, 1e-9);
    EXPECT_NEAR(totals.basicVat, 171.0, 1e-9);
    EXPECT_DOUBLE_EQ(totals.total, 1071.0);
}

TEST(TotalsHlaHod, DiscountOutsideVatLowersOnlyTheTotal)
{
    CompanyFixture company(1);
    company.addJournalLine("F001", "K1", "004", -1, -1000.00);
    company.addDiscount("F001", 50.00, 19, false, false);
    company.addDiscount("F001", 40.00, 19, false, true);
    company.addDiscount("F001", 30.00, 19, true, true);  // already in the item prices
    const DocumentTotals totals = company.data().HlaHod("F001", kInvoiceKind);
    EXPECT_DOUBLE_EQ(totals.basicBase, 1000.0);
    EXPECT_DOUBLE_EQ(totals.basicVat, 190.0);
    EXPECT_DOUBLE_EQ(totals.discountsOutsideVat, 90.0);
    EXPECT_DOUBLE_EQ(totals.total, 1100.0);
}

TEST(TotalsHlaHod, PreviousBasicRateJoinsTheBasicRate)
{
    CompanyFixture company(1);
    company.addJournalLine("F001", "K1", "004", -1, -100.00, 0, 19);
    company.addJournalLine("F001", "K2", "004", -1, -100.00, 0, 22);
    company.addJournalLine("F001", "K3", "004", -1, -100.00, 0, 5);
    company.addJournalLine("F001", "K4", "004", -1, -100.00, 0, 0);
    const DocumentTotals totals = company.data().HlaHod("F001", kInvoiceKind);
    EXPECT_DOUBLE_EQ(totals.basicBase, 200.0);
    EXPECT_DOUBLE_EQ(totals.basicVat, 41.0);
    EXPECT_DOUBLE_EQ(totals.reducedBase, 100.0);
    EXPECT_DOUBLE_EQ(totals.reducedVat, 5.0);
    EXPECT_DOUBLE_EQ(totals.zeroBase, 100.0);
    EXPECT_DOUBLE_EQ(totals.total, 446.0);
}

TEST(TotalsHlaHod, UnknownRateCountsOnlyInTheCost)
{
    CompanyFixture company(1);
    company.addJournalLine("F001", "K1", "004", -1, -100.00, -60.00, 9);
    const DocumentTotals totals = company.data().HlaHod("F001", kInvoiceKind);
    EXPECT_DOUBLE_EQ(totals.costTotal, 60.0);
    EXPECT_DOUBLE_EQ(totals.basicBase + totals.reducedBase + totals.zeroBase, 0.0);
    EXPECT_DOUBLE_EQ(totals.total, 0.0);
}

TEST(TotalsHlaHod, RowsOfOneCardTakeTheRateOfTheFirst)
{
    CompanyFixture company(1);
    company.addJournalLine("F001", "K1", "004", -1, -100.00, 0, 19);
    company.addJournalLine("F001", "K1", "004", -1, -100.00, 0, 5);
    TData& data = company.data();
    const DocumentTotals totals = data.HlaHod("F001", kInvoiceKind);
    EXPECT_DOUBLE_EQ(totals.basicBase, 200.0);
    EXPECT_DOUBLE_EQ(totals.reducedBase, 0.0);
    EXPECT_EQ(data.DokladObsah.rowCount(), 1u);
}

TEST(TotalsHlaHod, CreditNoteRowsGivePositiveTotals)
{
    CompanyFixture company(1);
    company.addJournalLine("D001", "K1", "008", 2, 1000.00, 700.00);
    const DocumentTotals totals = company.data().HlaHod("D001", kCreditNoteKind);
    EXPECT_DOUBLE_EQ(totals.basicBase, 1000.0);
    EXPECT_DOUBLE_EQ(totals.costTotal, 700.0);
    EXPECT_DOUBLE_EQ(totals.total, 1190.0);
}

TEST(TotalsHlaHod, DocumentWithoutRowsOrWithDiscountsOnly)
{
    CompanyFixture company(1);
    company.addDiscount("F002", 100.00, 19, true, false);
    TData& data = company.data();
    const DocumentTotals empty = data.HlaHod("F001", kInvoiceKind);
    EXPECT_DOUBLE_EQ(empty.total, 0.0);
    EXPECT_DOUBLE_EQ(empty.costTotal, 0.0);
    const DocumentTotals discounted = data.HlaHod("F002", kInvoiceKind);
    EXPECT_DOUBLE_EQ(discounted.basicBase, -100.0);
    EXPECT_DOUBLE_EQ(discounted.basicVat, -19.0);
    EXPECT_DOUBLE_EQ(discounted.total, -119.0);
}

TEST(TotalsHlaHod, NumbersThatArePrefixesOfEachOtherStayApart)
{
    CompanyFixture company(1);
    company.addJournalLine("F00012", "K1", "004", -1, -1000.00);
    company.addJournalLine("F000123", "K1", "004", -1, -500.00);
    company.addDiscount("F00012", 10.00, 19, false, false);
    company.addDiscount("F000123", 100.00, 19, false, false);
    company.addDiscount("F000123", 100.00, 19, true, false);
    const DocumentTotals totals = company.data().HlaHod("F00012", kInvoiceKind);
    EXPECT_DOUBLE_EQ(totals.basicBase, 1000.0);
    EXPECT_DOUBLE_EQ(totals.discountsOutsideVat, 10.0);
    EXPECT_DOUBLE_EQ(totals.total, 1180.0);
}

// A report totals dozens of documents at a time: one lock per file for all
// of them, each total as HlaHod gives it alone.
TEST(TotalsHlaHod, SeveralDocumentsAreTotalledAsEachAloneUnderOneLockPerFile)
{
    CompanyFixture company(1);
    company.addJournalLine("F00012", "K1", "004", -1, -1000.00);
    company.addJournalLine("F00012", "K2", "004", -2, -333.33);
    company.addJournalLine("F000123", "K1", "004", -1, -500.00);
    company.addDiscount("F000123", 100.00, 19, false, false);
    company.addDiscount("F00012", 30.00, 19, true, false);
    TData& data = company.data();
    const std::vector<std::string> documents{"F000123", "F999", "F00012"};
    std::vector<DocumentTotals> alone;
    for (const std::string& document : documents)
        alone.push_back(data.HlaHod(document, kInvoiceKind));
    data.OpenDen(0, "DOK");
    data.OpenSor(0, "KAV");
    data.OpenFakSle(0, "DO1");
    disarmFileFaults();  // restarts the count of locks
    const std::vector<DocumentTotals> together = data.HlaHodOfDocuments(documents, kInvoiceKind);
    EXPECT_EQ(fileOperationCount(FileOperation::Lock), 2);
    ASSERT_EQ(together.size(), alone.size());
    for (std::size_t i = 0; i < alone.size(); ++i) {
        EXPECT_EQ(together[i].total, alone[i].total) << documents[i];
        EXPECT_EQ(together[i].basicBase, alone[i].basicBase) << documents[i];
        EXPECT_EQ(together[i].basicVat, alone[i].basicVat) << documents[i];
        EXPECT_EQ(together[i].costTotal, alone[i].costTotal) << documents[i];
        EXPECT_EQ(together[i].discountsOutsideVat, alone[i].discountsOutsideVat) << documents[i];
    }
    EXPECT_EQ(data.DokladObsah.rowCount(), 2u);  // the rows of the last document, F00012
    data.CloseDenik();
    data.CloseSor();
    data.CloseFakSle();
}

TEST(TotalsTables, ClosedTablesAreClosedAgain)
{
    CompanyFixture company(1);
    company.addJournalLine("F001", "K1", "004", -1, -1000.00);
    company.addDiscount("F001", 10.00, 19, false, false);
    TData& data = company.data();
    data.HlaHod("F001", kInvoiceKind);
    EXPECT_FALSE(data.Denik.isOpen());
    EXPECT_FALSE(data.Sortiment.isOpen());
    EXPECT_FALSE(data.FaktSlevy.isOpen());
    EXPECT_TRUE(data.DokladObsah.isOpen());
}

TEST(TotalsTables, OpenTablesStayOpenWithTheirTags)
{
    CompanyFixture company(1);
    company.addJournalLine("F001", "K1", "004", -1, -1000.00);
    company.addDiscount("F001", 10.00, 19, false, false);
    company.addDiscount("F002", 20.00, 19, false, false);
    TData& data = company.data();
    data.OpenDen(0, "DAT");
    data.OpenSor(0, "NAC");
    data.OpenFakSle(0, "DO1");
    data.HlaHod("F001", kInvoiceKind);
    ASSERT_TRUE(data.Denik.isOpen());
    ASSERT_TRUE(data.Sortiment.isOpen());
    ASSERT_TRUE(data.FaktSlevy.isOpen());
    EXPECT_EQ(data.Denik.activeTag(), "DOK");
    EXPECT_EQ(data.Sortiment.activeTag(), "KAV");
    EXPECT_EQ(data.FaktSlevy.activeTag(), "DO1");
    int discounts = 0;
    for (data.FaktSlevy.first(); !data.FaktSlevy.eof(); data.FaktSlevy.next())
        ++discounts;
    EXPECT_EQ(discounts, 1);  // still restricted to F001
    data.CloseDenik();
    data.CloseSor();
    data.CloseFakSle();
}

TEST(TotalsHeader, CreditNoteHeaderReceivesItsTotals)
{
    CompanyFixture company(1);
    company.addCreditNoteHeader("D001");
    company.addJournalLine("D001", "K1", "008", 1, 100.40, 80.00);
    company.addDiscount("D001", 5.00, 19, false, false);
    company.addDiscount("D001", 7.00, 19, false, true);
    TData& data = company.data();
    data.OpenDob(0, "DO1");
    ASSERT_TRUE(data.Dobropisy.seek("D001"));
    data.OpravaHlavicky("D001", kCreditNoteKind);
    data.CloseDob();

    data.OpenDob(0, "DO1");
    ASSERT_TRUE(data.Dobropisy.seek("D001"));
    EXPECT_DOUBLE_EQ(data.Dobropisy.asFloat("HLA_CUH"), 108.0);
    EXPECT_NEAR(data.Dobropisy.asFloat("HLA_FHV"), 0.524, 1e-4);
    EXPECT_NEAR(data.Dobropisy.asFloat("HLA_Z22"), 100.40, 1e-4);
    EXPECT_NEAR(data.Dobropisy.asFloat("HLA_D22"), 19.076, 1e-4);
    EXPECT_DOUBLE_EQ(data.Dobropisy.asFloat("HLA_NCA"), 80.0);
    EXPECT_DOUBLE_EQ(data.Dobropisy.asFloat("HLA_SBD"), 5.0);  // spread discounts are not kept apart
    EXPECT_FALSE(data.DokladObsah.isOpen());
    EXPECT_FALSE(data.FaktSlevy.isOpen());
    data.CloseDob();
}

TEST(TotalsHeader, LockedHeaderKeepsItsTotals)
{
    CompanyFixture company(1);
    company.addCreditNoteHeader("D001");
    company.addJournalLine("D001", "K1", "008", 1, 100.00);
    TData& data = company.data();
    DbfTable otherProgram;
    otherProgram.setDirectory(company.dataDirectory());
    otherProgram.setTableName("Dob0001");
    otherProgram.open();
    otherProgram.first();
    ASSERT_TRUE(otherProgram.lockRecord());

    data.OpenDob(0, "DO1");
    ASSERT_TRUE(data.Dobropisy.seek("D001"));
    data.OpravaHlavicky("D001", kCreditNoteKind);
    ASSERT_EQ(company.ui.messages.size(), 1u);
    EXPECT_EQ(company.ui.messages[0].rfind("Nelze zamknout zaznam v tabulce ", 0), 0u);
    EXPECT_EQ(data.Dobropisy.state(), DbfTable::State::Browse);
    otherProgram.unlockRecord();
    otherProgram.close();
    data.CloseDob();

    data.OpenDob(0, "DO1");
    ASSERT_TRUE(data.Dobropisy.seek("D001"));
    EXPECT_DOUBLE_EQ(data.Dobropisy.asFloat("HLA_CUH"), 0.0);
    data.CloseDob();
}

TEST(TotalsTables, MissingJournalIsAClearErrorAndLeavesNothingOpen)
{
    CompanyFixture company(1);
    company.addDiscount("F001", 10.00, 19, false, false);
    TData& data = company.data();
    std::filesystem::remove(company.dataDirectory() + "Den0001.DBF");
    EXPECT_THROW(data.HlaHod("F001", kInvoiceKind), Error);
    EXPECT_FALSE(data.Sortiment.isOpen());
    EXPECT_FALSE(data.FaktSlevy.isOpen());
}

// A credit note whose items were changed behind its back: the recomputed
// total and, under the same lock, the paid flag that follows it; with the
// header held by another program nothing changes and the caller learns it.
TEST(TotalsHeader, RepairFollowsChangedItemsAndKeepsThePaidFlagInStep)
{
    CompanyFixture company(1);
    company.add("Dobropisy", {{"HLA_DO1", "D001"}, {"HLA_CUH", 119.0}, {"HLA_PLA", true}, {"HLA_BPL", 119.0}});
    company.addJournalLine("D001", "K1", "008", 1, 100.00);
    company.addJournalLine("D0011", "K1", "008", 1, 900.00);
    company.addPayment("D001", 119.0, 46000);
    TData& data = company.data();
    // The shop system changes the returned value.
    const auto changeItem = [&data](double value) {
        ScopedTableOpen journal(data.Denik);
        ASSERT_TRUE(data.Denik.locate({"DEN_DOK"}, {FieldValue(std::string("D001"))}));
        ASSERT_TRUE(data.Denik.lockRecord());
        data.Denik.edit();
        data.Denik.setFloat("DEN_HPC", value);
        data.Denik.post();
        data.Denik.unlockRecord();
    };
    changeItem(200.00);
    data.OpenDob(0, "DO1");
    ASSERT_TRUE(data.Dobropisy.seek("D001"));
    EXPECT_TRUE(data.OpravaHlavicky("D001", kCreditNoteKind));
    data.CloseDob();

    data.OpenDob(0, "DO1");
    ASSERT_TRUE(data.Dobropisy.seek("D001"));
    EXPECT_NEAR(data.Dobropisy.asFloat("HLA_CUH"), 238.0, 0.001);  // the row of D0011 does not count
    EXPECT_FALSE(data.Dobropisy.asBool("HLA_PLA"));
    EXPECT_DOUBLE_EQ(data.Dobropisy.asFloat("HLA_BPL"), 119.0);
    EXPECT_EQ(data.Dobropisy.asDate("HLA_BDP"), 46000);
    EXPECT_FALSE(data.Vypisy.isOpen());

    DbfTable otherProgram;
    otherProgram.setDirectory(company.dataDirectory());
    otherProgram.setTableName("Dob0001");
    otherProgram.open();
    otherProgram.first();
    ASSERT_TRUE(otherProgram.lockRecord());
    changeItem(100.00);
    EXPECT_FALSE(data.OpravaHlavicky("D001", kCreditNoteKind));
    EXPECT_EQ(company.ui.messages.back().rfind("Nelze zamknout zaznam v tabulce ", 0), 0u);
    otherProgram.unlockRecord();
    otherProgram.close();
    data.CloseDob();
    data.OpenDob(0, "DO1");
    ASSERT_TRUE(data.Dobropisy.seek("D001"));
    EXPECT_NEAR(data.Dobropisy.asFloat("HLA_CUH"), 238.0, 0.001);
    EXPECT_FALSE(data.Dobropisy.asBool("HLA_PLA"));
    data.CloseDob();
}

} // namespace
} // namespace tarvela
