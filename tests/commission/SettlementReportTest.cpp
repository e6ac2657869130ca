// The commission settlement of one salesman (report 1), end to end on a
// small company with known documents.
#include <gtest/gtest.h>

#include <algorithm>

#include "SettlementFixture.h"

namespace tarvela {
namespace {

using test::kMarchFrom;
using test::kMarchTo;
using test::ReportSession;
using test::SettlementCompany;

using Values = std::vector<std::string>;

class SettlementReport : public ::testing::Test {
protected:
    SettlementReport()
    {
        company.addMarchDocuments();
        session.emplace(company.company);
    }

    ReportSession& run(const std::string& salesman = "S1")
    {
        session->sestavy.SesProvObch(salesman, kMarchFrom, kMarchTo);
        return *session;
    }

    SettlementCompany company;
    std::optional<ReportSession> session;
};

TEST_F(SettlementReport, ListsDocumentsPaidInFullInThePeriodWithinTheLimitInNumberOrder)
{
    const ReportSession& report = run();
    // F003 (delay equal to the limit), F007 (split of 0 %), F008 (split of
    // the longer number F0081), F009/F010 (outside) and F011 (not paid in
    // full) are missing; the last value is the credit note's invoice.
    EXPECT_EQ(report.valuesAfter("Číslo faktury "), (Values{"F001", "F002", "F004", "F005", "F006", "F001"}));
    EXPECT_EQ(report.valuesAfter("Číslo dobropisu "), (Values{"D001"}));
    EXPECT_EQ(report.lines().front(), "Vyúčtování provizí z faktur uhrazených v období od 01.03.2026 do 31.03.2026");
    EXPECT_TRUE(report.hasLine("Obchodní zástupce :\tObchodník S1"));
}

TEST_F(SettlementReport, PaymentDateIsTheLatestInstalmentAndEarlyPaymentHasNegativeDelay)
{
    const ReportSession& report = run();
    EXPECT_EQ(report.valuesAfter("Uhrazena dne  "),
              (Values{"01.03.2026", "31.03.2026", "10.03.2026", "05.03.2026", "10.03.2026", "12.03.2026"}));
    // Invoice blocks trim their numbers, the credit-note block does not.
    EXPECT_EQ(report.valuesAfter("Prodleva"), (Values{"0", "16", "-10", "4", "9", "   2"}));
}

TEST_F(SettlementReport, SplitRecordSetsSharesAndType)
{
    const ReportSession& report = run();
    EXPECT_EQ(report.valuesAfter("Podíl provize"), (Values{"100,00", "100,00", "100,00", "100,00", "40,00"}));
    EXPECT_EQ(report.valuesAfter("Podíl obratu"), (Values{"100,00", "100,00", "100,00", "100,00", "50,00"}));
    EXPECT_TRUE(report.hasLine("K1/\tVrtačka příklepová s kufr\tG10\t1000\t1000\t0\t10\t4\t40"));
}

TEST_F(SettlementReport, ItemRowsShowPlainNumbersAndSumRowsTwoDecimals)
{
    const ReportSession& report = run();
    EXPECT_TRUE(report.hasLine("K1/\tVrtačka příklepová s kufr\tG10\t1800\t2000\t10\t10\t10\t180"));
    EXPECT_TRUE(report.hasLine("Celkem\t     1800,00\t     2000,00\t      180,00"));
    EXPECT_TRUE(report.hasLine("Čís.karty\tNázev zboží\tSkup.\tProd.Cena\tCen.Cena\tRab%\tPr.t.%\tPr.sk %\tProv. Kč"));
}

TEST_F(SettlementReport, InvoiceRowsUpToOneTenthAreHiddenCreditNoteRowsAllCount)
{
    const ReportSession& report = run();
    const std::vector<std::string> lines = report.lines();
    EXPECT_FALSE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return l.find("\t0,1\t") != l.npos; }));
    EXPECT_TRUE(report.hasLine("Celkem\t     1000,00\t     1000,00\t      100,00"));
    EXPECT_TRUE(report.hasLine("K3/\tDrobnosti\tG10\t-0,2\t-0,2\t0\t10\t10\t-0,02"));
    EXPECT_TRUE(report.hasLine("Celkem\t     -100,20\t     -100,20\t      -10,02"));
    // 1000 + 1800 + 400 + 500 + 1000 - 100.2; commission 100 + 180 + 20 + 50 + 40 - 10.02.
    EXPECT_EQ(lines[lines.size() - 2], "Celková částka v PC \t     4599,80");
    EXPECT_EQ(lines.back(), "Celková částka provize \t      379,98");
}

TEST_F(SettlementReport, PageEndsWithFootersWhenTheNextRowDoesNotFit)
{
    const ReportSession& report = run();
    ASSERT_EQ(report.pages->pages.size(), 2u);
    const std::vector<std::string> lines = report.lines();
    const auto footer = std::find(lines.begin(), lines.end(), "Strana 1\tDatum 15.04.2026");
    ASSERT_NE(footer, lines.end());
    EXPECT_EQ(*(footer + 1), "\f");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("Strana"); }), 1);
}

TEST_F(SettlementReport, SalesmanWithoutDocumentsGetsTitleAndZeroSums)
{
    const ReportSession& report = run("S3");
    ASSERT_EQ(report.pages->pages.size(), 1u);
    EXPECT_EQ(report.lines(), (Values{"Vyúčtování provizí z faktur uhrazených v období od 01.03.2026 do 31.03.2026",
                                      "Obchodní zástupce :\tObchodník S3", "Celková částka v PC \t        0,00",
                                      "Celková částka provize \t        0,00"}));
}

TEST_F(SettlementReport, UnknownSalesmanProducesNothingAndSaysNothing)
{
    const ReportSession& report = run("XX");
    EXPECT_FALSE(report.pages.has_value());
    EXPECT_TRUE(company.company.ui.messages.empty());
}

TEST_F(SettlementReport, RunClosesItsTables)
{
    run();
    TData& data = company.company.data();
    for (DbfTable* table : {&data.Faktury, &data.Dobropisy, &data.DelProv, &data.Obchodnici, &data.Denik,
                            &data.Sortiment, &data.SortiSkup, &data.Vypisy})
        EXPECT_FALSE(table->isOpen()) << table->tableName();
    EXPECT_FALSE(session->sestavy.DokladObsahFak.isOpen());
    EXPECT_EQ(session->sestavy.request().selector, ReportSelector::Settlement);
}

} // namespace
} // namespace tarvela
