// Commission at the rates of the salesman's commission cards, and Zarad.
#include <gtest/gtest.h>

#include "commission/TDataSestavy.h"
#include "support/CompanyFixture.h"

namespace tarvela {
namespace {

using test::CompanyFixture;

const DayNumber issued = toDayNumber({2026, 2, 1});

void addCompany(CompanyFixture& company)
{
    company.addSalesman("S1", 22, 0.5);
    company.addSalesman("S2", 22, 0.5);
    company.addCard("K1", "Vrtačka", "G10");
    company.addCard("K2", "Pilka", "G10");
    company.addGroup("G10", 10);
    company.addCommissionCard("S1", "K1", 3);
    company.addCommissionCard("S2", "K2", 7);
    company.addCommissionCard("S1", "X77", 4);  // a card missing in the product range
    company.addJournalLine("F001", "K1", "004", -1, -1000.00);
    company.addJournalLine("F001", "K1", "300", 0, 300.00);
    company.addJournalLine("F001", "K2", "004", -1, -500.00);
    company.addJournalLine("F002", "K2", "004", -1, -500.00);
    company.addJournalLine("F003", "X77", "004", -1, -200.00);
}

TEST(CommissionCards, CardRateIgnoresTheDiscount)
{
    CompanyFixture company;
    addCompany(company);
    TData& data = company.data();
    TDataSestavy reports(data);
    reports.GetDokladProKar("F001", "004", issued, "S1", "300", "", "");
    MemTable& rows = reports.DokladObsahFak;
    ASSERT_EQ(rows.rowCount(), 1u);  // K2 has no card of S1
    rows.first();
    EXPECT_EQ(rows.asString("DOK_KAV"), "K1");
    EXPECT_EQ(rows.asString("DOK_NAZ"), "Vrtačka");
    EXPECT_EQ(rows.asString("DOK_SKU"), "G10");
    EXPECT_DOUBLE_EQ(rows.asFloat("DOK_PCC"), 700.0);
    EXPECT_DOUBLE_EQ(rows.asFloat("DOK_RAP"), 30.0);
    EXPECT_DOUBLE_EQ(rows.asFloat("DOK_PSA"), 3.0);
    EXPECT_DOUBLE_EQ(rows.asFloat("DOK_PSP"), 3.0);
    EXPECT_DOUBLE_EQ(rows.asFloat("DOK_PSK"), 21.0);
    EXPECT_DOUBLE_EQ(rows.asFloat("DOK_POD"), 100.0);
    EXPECT_DOUBLE_EQ(rows.asFloat("DOK_POO"), 100.0);
}

TEST(CommissionCards, CardsOfOtherSalesmenHaveNoEffect)
{
    CompanyFixture company;
    addCompany(company);
    TData& data = company.data();
    TDataSestavy reports(data);
    reports.DokladObsahFak.open();
    reports.GetDokladProKar("F002", "004", issued, "S1", "300", "", "");
    EXPECT_TRUE(reports.DokladObsahFak.isEmpty());
    reports.GetDokladProKar("F002", "004", issued, "S2", "300", "", "");
    EXPECT_DOUBLE_EQ(reports.DokladObsahFak.asFloat("DOK_PSK"), 35.0);
}

TEST(CommissionCards, CardMissingInTheProductRangeEarnsNothingSilently)
{
    CompanyFixture company;
    addCompany(company);
    TData& data = company.data();
    TDataSestavy reports(data);
    reports.GetDokladProKar("F003", "004", issued, "S1", "300", "", "");
    MemTable& rows = reports.DokladObsahFak;
    ASSERT_EQ(rows.rowCount(), 1u);
    EXPECT_EQ(rows.asString("DOK_NAZ"), "Sortiment X77");
    EXPECT_EQ(rows.asString("DOK_SKU"), "000");
    EXPECT_DOUBLE_EQ(rows.asFloat("DOK_PSK"), 0.0);
    EXPECT_TRUE(company.ui.messages.empty());
}

TEST(CommissionCards, TablesAfterTheComputation)
{
    CompanyFixture company;
    addCompany(company);
    TData& data = company.data();
    TDataSestavy reports(data);
    reports.GetDokladProKar("F001", "004", issued, "S1", "300", "", "");
    EXPECT_TRUE(data.ProvKar.isOpen());
    EXPECT_EQ(data.ProvKar.attachedTagCount(), 0);
    EXPECT_FALSE(data.Denik.isOpen());
    EXPECT_FALSE(data.Sortiment.isOpen());
    EXPECT_TRUE(reports.DokladObsahFak.isOpen());
    data.ProvKar.close();
}

TEST(CommissionCardsZarad, TellsWhetherADocumentHasACardOfTheSalesman)
{
    CompanyFixture company;
    addCompany(company);
    TData& data = company.data();
    TDataSestavy reports(data);
    EXPECT_TRUE(reports.Zarad("F001", "S1"));
    EXPECT_TRUE(reports.Zarad("F001", "S2"));
    EXPECT_FALSE(reports.Zarad("F002", "S1"));
    EXPECT_FALSE(reports.Zarad("F00", "S1"));
    EXPECT_TRUE(data.ProvKar.isOpen());
    EXPECT_EQ(data.ProvKar.attachedTagCount(), 0);
    EXPECT_FALSE(data.Denik.isOpen());
    data.ProvKar.close();
}

} // namespace
} // namespace tarvela
