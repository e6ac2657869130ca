// The list of disallowed commissions (report 6) and the special settlement
// at commission-card rates (report 7), end to end.
#include <gtest/gtest.h>

#include "SettlementFixture.h"

namespace tarvela {
namespace {

using test::kMarchFrom;
using test::kMarchTo;
using test::ReportSession;
using test::SettlementCompany;

using Values = std::vector<std::string>;

TEST(DisallowedReport, ListsLateAndUnpaidInvoicesButNotADelayEqualToTheLimit)
{
    SettlementCompany company;
    company.addMarchDocuments();
    ReportSession report(company.company);
    report.sestavy.SesNepProvObch("S1");
    const std::vector<std::string> lines = report.lines();
    EXPECT_EQ(lines.front(), "Výpis nepovolených provizí na základě dat ke dni 15.04.2026");
    EXPECT_EQ(report.valuesAfter("Číslo faktury "), (Values{"F011", "F012"}));
    // The unpaid invoice is dated today and delayed until today.
    EXPECT_EQ(report.valuesAfter("Uhrazena dne  "), (Values{"15.04.2026", "15.03.2026"}));
    EXPECT_EQ(report.valuesAfter("Prodleva"), (Values{"  45", "  73"}));
    EXPECT_EQ(report.valuesAfter("Uhrazena částka"), (Values{"     1000,00", "      600,00"}));
    EXPECT_EQ(report.valuesAfter("Podíl provize"), (Values{"      100,00", "      100,00"}));
    EXPECT_EQ(lines.back(), "Celková částka nevyplacené provize \t      130,00");
}

TEST(SpecialSettlementReport, TakesInvoicesOfAnySalesmanWithACommissionCardOfHis)
{
    SettlementCompany company;
    company.addMarchDocuments();
    ReportSession report(company.company);
    report.sestavy.SesProvObchKar("S1", kMarchFrom, kMarchTo);
    const std::vector<std::string> lines = report.lines();
    EXPECT_EQ(lines.front(),
              "Vyúčtování spec. provizí z faktur uhrazených v období od 01.03.2026 do 31.03.2026");
    // F008 belongs to S2; only its K2 line has a commission card of S1.
    EXPECT_EQ(report.valuesAfter("Číslo faktury "), (Values{"F004", "F008"}));
    EXPECT_TRUE(report.valuesAfter("Podíl provize").empty());
    EXPECT_TRUE(report.hasLine("K2/\tPilka\tG20\t100\t100\t0\t3\t3\t3"));
    EXPECT_EQ(lines[lines.size() - 2], "Celková částka v PC \t      500,00");
    EXPECT_EQ(lines.back(), "Celková částka provize \t       15,00");
}

TEST(SpecialSettlementReport, CountsCreditNotesWithACommissionCardOfTheSalesman)
{
    SettlementCompany company;
    company.salesman("S1");
    company.creditNote("D005", "F005", "S2", test::day(10, 3), 200);
    company.payment("D005", 200, test::day(20, 3));
    company.giveBack("D005", "K2", 200);
    company.giveBack("D005", "K1", 50);
    company.company.addCommissionCard("S1", "K2", 3);
    ReportSession report(company.company);
    report.sestavy.SesProvObchKar("S1", kMarchFrom, kMarchTo);
    EXPECT_EQ(report.valuesAfter("Číslo dobropisu "), (Values{"D005"}));
    EXPECT_EQ(report.lines().back(), "Celková částka provize \t       -6,00");
}

} // namespace
} // namespace tarvela
