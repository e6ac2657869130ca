// The commission by product groups (report 2) and its agreement with the
// settlement of the same salesman and period.
#include <gtest/gtest.h>

#include "SettlementFixture.h"

namespace tarvela {
namespace {

using test::kMarchFrom;
using test::kMarchTo;
using test::ReportSession;
using test::SettlementCompany;

using Values = std::vector<std::string>;

TEST(GroupReport, SumsTheSettledDocumentsPerGroupInTheOrderGroupsWereMet)
{
    SettlementCompany company;
    company.addMarchDocuments();
    ReportSession report(company.company);
    report.sestavy.SesProvSku("S1", kMarchFrom, kMarchTo);
    // G10: 1000 + 0.1 + 1800 + 500 + 1000 - 100 - 0.2, commission 100 + 0.01
    // + 180 + 50 + 40 - 10 - 0.02; the 0.1 row counts here. G20: F004.
    EXPECT_EQ(report.lines(),
              (Values{"Sestava provizí za provizní skupiny z faktur uhrazených v období od 01.03.2026 do 31.03.2026",
                      "Obchodní zástupce :\tObchodník S1", "Skupina\tCelk.zakl.\tProv Kč", "G10\t4199,9\t359,99",
                      "G20\t400\t20", "Celkem\t     4599,90\t      379,99"}));
    EXPECT_FALSE(report.sestavy.SesProvSkup.isOpen());
    EXPECT_FALSE(company.company.data().Obchodnici.isOpen());
}

TEST(GroupReport, GroupMetOnlyInCreditNotesHasNegativeSums)
{
    SettlementCompany company;
    company.salesman("S1");
    company.creditNote("D005", "F005", "S1", test::day(10, 3), 200);
    company.payment("D005", 200, test::day(20, 3));
    company.giveBack("D005", "K2", 200);
    ReportSession report(company.company);
    report.sestavy.SesProvSku("S1", kMarchFrom, kMarchTo);
    EXPECT_TRUE(report.hasLine("G20\t-200\t-10"));
    EXPECT_TRUE(report.hasLine("Celkem\t     -200,00\t      -10,00"));
}

TEST(GroupReport, EmptyTableGivesHeaderAndZeroSumRow)
{
    SettlementCompany company;
    company.salesman("S3");
    ReportSession report(company.company);
    report.sestavy.SesProvSku("S3", kMarchFrom, kMarchTo);
    const std::vector<std::string> lines = report.lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], "Skupina\tCelk.zakl.\tProv Kč");
    EXPECT_EQ(lines[3], "Celkem\t        0,00\t        0,00");
}

TEST(GroupReport, UnknownSalesmanProducesNothing)
{
    SettlementCompany company;
    company.addMarchDocuments();
    ReportSession report(company.company);
    report.sestavy.SesProvSku("S9", kMarchFrom, kMarchTo);
    EXPECT_FALSE(report.pages.has_value());
    EXPECT_TRUE(company.company.ui.messages.empty());
}

} // namespace
} // namespace tarvela
