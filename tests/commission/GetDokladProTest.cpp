// Commission of one document at product-group rates, on real tables.
#include <gtest/gtest.h>

#include <filesystem>

#include "commission/TDataSestavy.h"
#include "platform/Error.h"
#include "support/CompanyFixture.h"

namespace tarvela {
namespace {

using test::CompanyFixture;

const DayNumber issued2026 = toDayNumber({2026, 2, 1});

// A company with salesman S1 (limit 22, coefficient 0.5), card K1 in group
// G10 (rate 10) and an invoice F001 selling K1 for 1000 less 300 of trade
// discount, stored as goods leaving the store.
void addWorkedExample(CompanyFixture& company, const std::string& document = "F001")
{
    company.addJournalLine(document, "K1", "004", -1, -1000.00, -600.00);
    company.addJournalLine(document, "K1", "300", 0, 300.00);
}

void addCodeLists(CompanyFixture& company)
{
    company.addSalesman("S1", 22, 0.5);
    company.addCard("K1", "Šroubovák křížový", "G10", "G05");
    company.addGroup("G10", 10);
    company.addGroup("G05", 5);
}

struct Session {
    explicit Session(CompanyFixture& company) : data(company.data()), reports(data)
    {
        data.DelProv.open();
    }
    ~Session() { data.DelProv.close(); }

    void invoice(const std::string& document, const std::string& salesman = "S1", DayNumber issued = issued2026)
    {
        reports.GetDokladPro(document, "004", issued, salesman, "300", "", "");
    }
    double field(const char* name) { return reports.DokladObsahFak.asFloat(name); }

    TData& data;
    TDataSestavy reports;
};

TEST(CommissionGroupRate, WorkedExampleReducesTheRateAboveTheLimit)
{
    CompanyFixture company;
    addCodeLists(company);
    addWorkedExample(company);
    Session session(company);
    session.invoice("F001");
    MemTable& rows = session.reports.DokladObsahFak;
    ASSERT_EQ(rows.rowCount(), 1u);
    rows.first();
    EXPECT_EQ(rows.asString("DOK_KAV"), "K1");
    EXPECT_EQ(rows.asString("DOK_NAZ"), "Šroubovák křížový");
    EXPECT_EQ(rows.asString("DOK_SKU"), "G10");
    EXPECT_EQ(rows.asString("DOK_CIS"), "F001");
    EXPECT_DOUBLE_EQ(session.field("DOK_PCS"), 1000.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_RAB"), -300.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_PCC"), 700.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_NCC"), 600.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_KUS"), 1.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_PC1"), 700.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_DPH"), 133.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_PSA"), 10.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_RAP"), 30.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_PSP"), 6.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_PSK"), 42.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_POD"), 100.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_POO"), 100.0);
    EXPECT_TRUE(company.ui.messages.empty());
}

TEST(CommissionGroupRate, DiscountAtTheLimitKeepsTheRate)
{
    CompanyFixture company;
    addCodeLists(company);
    company.addJournalLine("F022", "K1", "004", -1, -1000.00);
    company.addJournalLine("F022", "K1", "300", 0, 220.00);
    company.addJournalLine("F023", "K1", "004", -1, -1000.00);
    company.addJournalLine("F023", "K1", "300", 0, 230.00);
    company.addJournalLine("F090", "K1", "004", -1, -1000.00);
    company.addJournalLine("F090", "K1", "300", 0, 900.00);
    Session session(company);
    session.invoice("F022");
    EXPECT_DOUBLE_EQ(session.field("DOK_RAP"), 22.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_PSP"), 10.0);
    session.reports.DokladObsahFak.removeAllRows();
    session.invoice("F023");
    EXPECT_DOUBLE_EQ(session.field("DOK_RAP"), 23.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_PSP"), 9.5);
    session.reports.DokladObsahFak.removeAllRows();
    session.invoice("F090");
    EXPECT_DOUBLE_EQ(session.field("DOK_PSP"), 10 - (90 - 22) * 0.5);
    EXPECT_DOUBLE_EQ(session.field("DOK_PSK"), -24.0);
}

TEST(CommissionGroupRate, DiscountLineFirstGivesTheSameResult)
{
    CompanyFixture company;
    addCodeLists(company);
    company.addJournalLine("F001", "K1", "300", 0, 300.00);
    company.addJournalLine("F001", "K1", "004", -1, -1000.00);
    Session session(company);
    session.invoice("F001");
    EXPECT_DOUBLE_EQ(session.field("DOK_RAP"), 30.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_PSK"), 42.0);
}

TEST(CommissionGroupRate, ActualDiscountRoundsHalvesToEven)
{
    CompanyFixture company;
    addCodeLists(company);
    company.addJournalLine("F225", "K1", "004", -1, -1000.00);
    company.addJournalLine("F225", "K1", "300", 0, 225.00);
    company.addJournalLine("F235", "K1", "004", -1, -1000.00);
    company.addJournalLine("F235", "K1", "300", 0, 235.00);
    Session session(company);
    session.invoice("F225");
    EXPECT_DOUBLE_EQ(session.field("DOK_RAP"), 22.0);
    session.reports.DokladObsahFak.removeAllRows();
    session.invoice("F235");
    EXPECT_DOUBLE_EQ(session.field("DOK_RAP"), 24.0);
}

TEST(CommissionGroupRate, ZeroQuantityKeepsThePerPieceValues)
{
    CompanyFixture company;
    addCodeLists(company);
    company.addJournalLine("F001", "K1", "004", -2, -1000.00, -600.00);
    company.addJournalLine("F001", "K1", "004", 2, 1000.00, 600.00);
    company.addJournalLine("F002", "K1", "300", 0, 100.00);
    Session session(company);
    session.invoice("F001");
    EXPECT_DOUBLE_EQ(session.field("DOK_KUS"), 0.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_PC1"), 500.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_NC1"), 300.0);
    session.reports.DokladObsahFak.removeAllRows();
    session.invoice("F002");
    EXPECT_TRUE(session.reports.DokladObsahFak.isNull("DOK_PC1"));
}

TEST(CommissionGroupRate, CreditNoteGivesNegativeSums)
{
    CompanyFixture company;
    addCodeLists(company);
    company.addJournalLine("D001", "K1", "008", 1, 1000.00, 600.00);
    company.addJournalLine("D001", "K1", "300", 0, -300.00);
    Session session(company);
    session.reports.GetDokladPro("D001", "008", issued2026, "S1", "300", "", "");
    EXPECT_DOUBLE_EQ(session.field("DOK_PCC"), -700.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_RAP"), 30.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_PSK"), -42.0);
}

TEST(CommissionGroupRate, CallingTwiceWithoutEmptyingDoublesTheSums)
{
    CompanyFixture company;
    addCodeLists(company);
    addWorkedExample(company);
    Session session(company);
    session.invoice("F001");
    session.invoice("F001");
    ASSERT_EQ(session.reports.DokladObsahFak.rowCount(), 1u);
    EXPECT_DOUBLE_EQ(session.field("DOK_PCC"), 1400.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_PCS"), 2000.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_KUS"), 2.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_PSK"), 84.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_RAP"), 30.0);
}

TEST(CommissionGroupRate, RowsStandInTheOrderCardsFirstAppear)
{
    CompanyFixture company;
    addCodeLists(company);
    company.addCard("A9", "Kladivo", "G10");
    company.addJournalLine("F001", "K1", "004", -1, -100.00);
    company.addJournalLine("F001", "A9", "004", -1, -100.00);
    company.addJournalLine("F001", "K1", "004", -1, -100.00, 0, 19, "V2");
    Session session(company);
    session.invoice("F001");
    std::string order;
    MemTable& rows = session.reports.DokladObsahFak;
    for (rows.first(); !rows.eof(); rows.next())
        order += rows.asString("DOK_KAV") + rows.asString("DOK_IND") + " ";
    EXPECT_EQ(order, "K1 A9 K1V2 ");
}

TEST(CommissionSplit, HalfShareHalvesTheCommission)
{
    CompanyFixture company;
    addCodeLists(company);
    addWorkedExample(company);
    company.addSplit("F001", "S1", 50, 40);
    Session session(company);
    session.invoice("F001");
    EXPECT_DOUBLE_EQ(session.field("DOK_PSP"), 3.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_PSK"), 21.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_POD"), 50.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_POO"), 40.0);
}

TEST(CommissionSplit, FixedRateTypeIgnoresTheDiscount)
{
    CompanyFixture company;
    addCodeLists(company);
    addWorkedExample(company);
    company.addSplit("F001", "S1", 100, 100, "002", 4);
    Session session(company);
    session.invoice("F001");
    EXPECT_DOUBLE_EQ(session.field("DOK_RAP"), 0.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_PSP"), 4.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_PSK"), 28.0);
}

TEST(CommissionSplit, OtherTypesEarnNothingAndDescribeNoCard)
{
    CompanyFixture company;
    addCodeLists(company);
    addWorkedExample(company);
    company.addSplit("F001", "S1", 100, 100, "009", 4);
    Session session(company);
    session.invoice("F001");
    EXPECT_DOUBLE_EQ(session.field("DOK_PSK"), 0.0);
    EXPECT_EQ(session.reports.DokladObsahFak.asString("DOK_NAZ"), "");
    EXPECT_DOUBLE_EQ(session.field("DOK_PCC"), 700.0);
}

TEST(CommissionSplit, OnlyTheExactDocumentAndSalesmanCount)
{
    CompanyFixture company;
    addCodeLists(company);
    company.addSalesman("S", 22, 0.5);
    addWorkedExample(company, "F00012");
    addWorkedExample(company, "F000123");
    company.addSplit("F000123", "S1", 50, 50);
    company.addSplit("F00012", "S1X", 20, 20);
    Session session(company);
    session.data.DelProv.attachIndexFile("Dpr0001.cdx");
    session.data.DelProv.selectTag("DO1");
    session.invoice("F00012");
    EXPECT_DOUBLE_EQ(session.field("DOK_POD"), 100.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_PSK"), 42.0);
    session.reports.DokladObsahFak.removeAllRows();
    session.invoice("F000123");
    EXPECT_DOUBLE_EQ(session.field("DOK_POD"), 50.0);
    session.data.DelProv.detachIndexFile("Dpr0001.cdx");

    session.reports.DokladObsahFak.removeAllRows();
    session.invoice("F000123", "S");  // no tag: the index is attached for the search only
    EXPECT_DOUBLE_EQ(session.field("DOK_POD"), 100.0);
    session.reports.DokladObsahFak.removeAllRows();
    session.invoice("F000123");
    EXPECT_DOUBLE_EQ(session.field("DOK_POD"), 50.0);
    EXPECT_EQ(session.data.DelProv.attachedTagCount(), 0);
    EXPECT_EQ(session.data.DelProv.activeTag(), "");
}

TEST(CommissionSplit, WithoutItsIndexFileTheSplitTableIsWalked)
{
    CompanyFixture company;
    addCodeLists(company);
    addWorkedExample(company, "F00012");
    company.addSplit("F000123", "S1", 20, 20);
    company.addSplit("F00012", "S1", 50, 50);
    Session session(company);
    std::filesystem::remove(company.dataDirectory() + "Dpr0001.cdx");
    session.invoice("F00012");
    EXPECT_DOUBLE_EQ(session.field("DOK_POD"), 50.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_PSK"), 21.0);
}

TEST(CommissionMissing, SalesmanMissingUsesTheDefaultLimit)
{
    CompanyFixture company;
    company.addCard("K1", "Šroubovák", "G10");
    company.addGroup("G10", 10);
    addWorkedExample(company);
    Session session(company);
    session.invoice("F001", "ZZ");
    EXPECT_DOUBLE_EQ(session.field("DOK_PSP"), 6.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_POD"), 100.0);
}

TEST(CommissionMissing, SalesmanLimitAndCoefficientApply)
{
    CompanyFixture company;
    company.addSalesman("S2", 10, 0.25);
    company.addCard("K1", "Šroubovák", "G10");
    company.addGroup("G10", 10);
    addWorkedExample(company);
    Session session(company);
    session.invoice("F001", "S2");
    EXPECT_DOUBLE_EQ(session.field("DOK_PSP"), 10 - (30 - 10) * 0.25);
}

TEST(CommissionMissing, CardMissingInTheProductRange)
{
    CompanyFixture company;
    addCodeLists(company);
    company.addJournalLine("F001", "X77", "004", -1, -1000.00);
    Session session(company);
    session.invoice("F001");
    MemTable& rows = session.reports.DokladObsahFak;
    EXPECT_EQ(rows.asString("DOK_NAZ"), "Sortiment X77");
    EXPECT_EQ(rows.asString("DOK_SKU"), "000");
    EXPECT_DOUBLE_EQ(session.field("DOK_PSA"), 0.0);
    EXPECT_DOUBLE_EQ(session.field("DOK_PSK"), 0.0);
    EXPECT_TRUE(company.ui.messages.empty());
}

TEST(CommissionMissing, GroupMissingIsReportedOncePerNewRow)
{
    CompanyFixture company;
    addCodeLists(company);
    company.addCard("K2", "Pilka", "G99");
    company.addJournalLine("F001", "K2", "004", -1, -100.00);
    company.addJournalLine("F001", "K2", "300", 0, 10.00);
    company.addJournalLine("F001", "K2", "004", -1, -100.00, 0, 19, "V1");
    company.addJournalLine("F002", "K2", "004", -1, -100.00);
    company.addSplit("F002", "S1", 100, 100, "002", 3);
    Session session(company);
    session.invoice("F001");
    EXPECT_EQ(company.ui.messages,
              (std::vector<std::string>{"Nenalezena skupina u karty K2", "Nenalezena skupina u karty K2"}));
    EXPECT_DOUBLE_EQ(session.field("DOK_PSA"), 0.0);
    EXPECT_EQ(session.reports.DokladObsahFak.asString("DOK_SKU"), "G99");
    session.reports.DokladObsahFak.removeAllRows();
    session.invoice("F002");
    EXPECT_EQ(company.ui.messages.size(), 2u);  // no message for the fixed-rate type
}

TEST(CommissionGroupSwitch, DocumentsBefore2007UseTheOldGroup)
{
    CompanyFixture company;
    addCodeLists(company);
    addWorkedExample(company);
    Session session(company);
    session.invoice("F001", "S1", toDayNumber({2006, 12, 31}));
    EXPECT_EQ(session.reports.DokladObsahFak.asString("DOK_SKU"), "G05");
    EXPECT_DOUBLE_EQ(session.field("DOK_PSA"), 5.0);
    session.reports.DokladObsahFak.removeAllRows();
    session.invoice("F001", "S1", toDayNumber({2007, 1, 1}));
    EXPECT_EQ(session.reports.DokladObsahFak.asString("DOK_SKU"), "G10");
    EXPECT_DOUBLE_EQ(session.field("DOK_PSA"), 10.0);
}

TEST(CommissionGroupRate, DocumentWithoutLinesAddsNoRow)
{
    CompanyFixture company;
    addCodeLists(company);
    addWorkedExample(company, "F0012");
    Session session(company);
    session.invoice("F001");
    EXPECT_TRUE(session.reports.DokladObsahFak.isEmpty());
}

TEST(CommissionTables, ClosedTablesAreClosedAgain)
{
    CompanyFixture company;
    addCodeLists(company);
    addWorkedExample(company);
    Session session(company);
    session.invoice("F001");
    TData& data = session.data;
    EXPECT_FALSE(data.Denik.isOpen());
    EXPECT_FALSE(data.Sortiment.isOpen());
    EXPECT_FALSE(data.Obchodnici.isOpen());
    EXPECT_FALSE(data.SortiSkup.isOpen());
    EXPECT_TRUE(data.DelProv.isOpen());
    EXPECT_TRUE(session.reports.DokladObsahFak.isOpen());
}

TEST(CommissionTables, OpenTablesStayOpenWithTheTagsSwitched)
{
    CompanyFixture company;
    addCodeLists(company);
    addWorkedExample(company);
    Session session(company);
    TData& data = session.data;
    data.OpenDen(0, "DAT");
    data.OpenSor(0, "NAC");
    data.Obchodnici.open();
    session.invoice("F001");
    EXPECT_DOUBLE_EQ(session.field("DOK_PSK"), 42.0);
    ASSERT_TRUE(data.Denik.isOpen());
    ASSERT_TRUE(data.Sortiment.isOpen());
    EXPECT_TRUE(data.Obchodnici.isOpen());
    EXPECT_EQ(data.Denik.activeTag(), "DOK");
    EXPECT_EQ(data.Sortiment.activeTag(), "KAV");
    data.CloseDenik();
    data.CloseSor();
    data.Obchodnici.close();
}

TEST(CommissionPriceBasis, TotalsAfterACommissionKeepTheConfiguredBasis)
{
    for (const int priceBasis : {1, 2}) {
        CompanyFixture company(priceBasis);
        addCodeLists(company);
        company.addCreditNoteHeader("D001", "S1");
        company.addJournalLine("D001", "K1", "008", 1, 1000.00);
        company.addDiscount("D001", 100.00, 19, true, false);
        Session session(company);
        const DocumentTotals before = session.data.HlaHod("D001", kCreditNoteKind);
        session.reports.GetDokladPro("D001", "008", issued2026, "S1", "300", "", "");
        EXPECT_EQ(session.data.settings().priceBasis, priceBasis);
        const DocumentTotals after = session.data.HlaHod("D001", kCreditNoteKind);
        EXPECT_DOUBLE_EQ(after.total, before.total);
        EXPECT_DOUBLE_EQ(after.total, priceBasis == 2 ? 1090.0 : 1071.0);
    }
}

TEST(CommissionTables, SplitTableClosedIsAClearError)
{
    CompanyFixture company;
    addCodeLists(company);
    addWorkedExample(company);
    TData& data = company.data();
    TDataSestavy reports(data);
    EXPECT_THROW(reports.GetDokladPro("F001", "004", issued2026, "S1", "300", "", ""), Error);
    EXPECT_FALSE(data.Denik.isOpen());
    EXPECT_FALSE(data.Obchodnici.isOpen());
}

} // namespace
} // namespace tarvela
