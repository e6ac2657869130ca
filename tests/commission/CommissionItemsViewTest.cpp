// The commission items that the document browsers show (F12) against the
// settlement report: for an invoice with a trade discount and a split, each
// item row of the view carries the numbers the report prints for it, and a
// split row changes the reports of both salesmen.
#include <gtest/gtest.h>

#include <cstdlib>

#include "SettlementFixture.h"
#include "commission/CommissionItemRows.h"
#include "commission/DocumentCommission.h"
#include "commission/DokladObsahFak.h"
#include "data/documents/SplitRow.h"
#include "data/table/ScopedTableOpen.h"
#include "platform/RegionalSettings.h"

namespace tarvela {
namespace {

using test::day;
using test::kMarchFrom;
using test::kMarchTo;
using test::ReportSession;
using test::SettlementCompany;

// Report and view texts as numbers: thousands separators (a blank, or the
// no-break space of the money format) dropped, the decimal comma read.
double number(std::string text)
{
    for (std::size_t at; (at = text.find("\xC2\xA0")) != std::string::npos;)
        text.erase(at, 2);
    std::erase(text, ' ');
    for (char& c : text)
        if (c == ',')
            c = '.';
    return std::strtod(text.c_str(), nullptr);
}

std::vector<std::string> cells(const std::string& line)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        result.push_back(line.substr(start, tab - start));
    result.push_back(line.substr(start));
    return result;
}

// The item lines ("K1/\t...") of one document's block in a settlement report.
std::vector<std::vector<std::string>> itemLinesOf(const ReportSession& report, const std::string& document)
{
    std::vector<std::vector<std::string>> items;
    bool inside = false;
    for (const std::string& line : report.lines()) {
        if (line.starts_with("Číslo faktury \t"))
            inside = line == "Číslo faktury \t" + document;
        else if (inside && line.find("/\t") != std::string::npos && line.starts_with("K"))
            items.push_back(cells(line));
    }
    return items;
}

class CommissionItemsView : public ::testing::Test {
protected:
    CommissionItemsView()
    {
        company.addMarchDocuments();
        company.paidInvoice("F020", "S1", day(15, 3), 1800, day(20, 3));
        company.sale("F020", "K1", 1500);
        company.sale("F020", "K2", 500);
        company.company.addJournalLine("F020", "K1", "300", 0, 150);
        company.company.addSplit("F020", "S1", 70, 60);
        company.company.addSplit("F020", "S2", 30, 40);
        company.paidInvoice("F021", "S1", day(15, 3), 1000, day(20, 3));
        company.sale("F021", "K1", 1000);
        session.emplace(company.company);
    }

    // The view's rows of F020, computed as F12 computes them.
    std::vector<std::vector<std::string>> viewRows()
    {
        TData& data = company.company.data();
        ScopedTableOpen invoices(data, data.Faktury, "DO1");
        EXPECT_TRUE(data.Faktury.seek("F020"));
        MemTable& items = commissionItemsOf(session->sestavy, data.Faktury, DocumentKind::Invoice);
        auto rows = commissionItemTexts(items);
        items.close();
        EXPECT_FALSE(data.DelProv.isOpen());
        return rows;
    }

    SettlementCompany company;
    std::optional<ReportSession> session;
};

TEST_F(CommissionItemsView, RowsCarryWhatTheSettlementReportPrints)
{
    const auto rows = viewRows();
    session->sestavy.SesProvObch("S1", kMarchFrom, kMarchTo);
    const auto printed = itemLinesOf(*session, "F020");
    ASSERT_EQ(printed.size(), 2u);
    ASSERT_EQ(rows.size(), 2u);
    ASSERT_EQ(commissionItemColumns().size(), 18u);
    for (const auto& line : printed) {
        const std::string card = line[0].substr(0, line[0].size() - 1);
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r[0] == card; });
        ASSERT_NE(row, rows.end()) << card;
        // Report: price, list price, discount %, rate %, actual rate %, commission Kč.
        // View: DOK_PCC, DOK_PCS, DOK_RAP, DOK_PSA, DOK_PSP, DOK_PSK.
        const int viewColumns[] = {3, 4, 6, 5, 7, 8};
        for (int i = 0; i < 6; ++i)
            EXPECT_NEAR(number((*row)[viewColumns[i]]), number(line[3 + i]), 0.005) << card << " column " << i;
    }
    // K1 sold for 1500 less 150 discount: 10 % discount, group rate 10 %, 70 % share.
    const auto k1 = std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r[0] == "K1"; });
    EXPECT_EQ((*k1)[3], "1\u00A0350,00");
    EXPECT_NEAR(number((*k1)[8]), 1350 * 0.10 * 0.70, 0.005);
    EXPECT_EQ((*k1)[16], "F020");
}

TEST_F(CommissionItemsView, SplitRowMovesCommissionBetweenBothSalesmenReports)
{
    const auto commissionOf = [this](const std::string& salesman) {
        session->sestavy.SesProvObch(salesman, kMarchFrom, kMarchTo);
        double sum = 0;
        for (const auto& line : itemLinesOf(*session, "F020"))
            sum += number(line[8]);
        return sum;
    };
    EXPECT_NEAR(commissionOf("S1"), (1350 * 0.10 + 500 * 0.05) * 0.70, 0.005);
    EXPECT_NEAR(commissionOf("S2"), (1350 * 0.10 + 500 * 0.05) * 0.30, 0.005);
}

TEST_F(CommissionItemsView, NewSplitRowsChangeBothSalesmenReports)
{
    const auto commissionOf = [this](const std::string& salesman) {
        session->sestavy.SesProvObch(salesman, kMarchFrom, kMarchTo);
        double sum = 0;
        for (const auto& line : itemLinesOf(*session, "F021"))
            sum += number(line[8]);
        return sum;
    };
    EXPECT_NEAR(commissionOf("S1"), 100, 0.005);
    EXPECT_NEAR(commissionOf("S2"), 0, 0.005);

    // Two rows as the split list writes them: preset, then changed.
    TData& data = company.company.data();
    {
        ScopedTableOpen splits(data, data.DelProv, "DO1");
        for (const auto& [salesman, share, rate] : {std::tuple{"S1", 60.0, 9.0}, std::tuple{"S2", 40.0, 0.0}}) {
            data.DelProv.append();
            presetSplitRow(data.DelProv, "F021");
            data.DelProv.setString("DPR_OBC", salesman);
            data.DelProv.setFloat("DPR_PRO", share);
            data.DelProv.setFloat("DPR_PRS", rate);
            settleFixedRate(data.DelProv);
            data.DelProv.post();
        }
    }
    EXPECT_NEAR(commissionOf("S1"), 60, 0.005) << "kind 001 keeps the group rate; the typed 9 % is not stored";
    EXPECT_NEAR(commissionOf("S2"), 40, 0.005);
}

TEST(CommissionItemTexts, QuantitiesAndRatesTakeTheRegionalSeparator)
{
    MemTable items = makeDokladObsahFak();
    items.open();
    items.append();
    items.setString("DOK_KAV", "K1");
    items.setFloat("DOK_KUS", 2.5);
    items.setFloat("DOK_DAN", 21);
    items.setFloat("DOK_PCC", 1234.5);
    items.post();
    const auto cellOf = [&items](const char* field) {
        const auto& columns = commissionItemColumns();
        const auto at = std::find_if(columns.begin(), columns.end(), [&](const auto& c) { return c.field == field; });
        return commissionItemTexts(items).front()[std::size_t(at - columns.begin())];
    };
    setDecimalSeparator(',');
    EXPECT_EQ(cellOf("DOK_KUS"), "2,5");
    EXPECT_EQ(cellOf("DOK_DAN"), "21");
    EXPECT_EQ(cellOf("DOK_PCC"), "1\u00A0234,50");
    setDecimalSeparator('.');
    EXPECT_EQ(cellOf("DOK_KUS"), "2.5");
    setDecimalSeparator(decimalSeparatorFromEnvironment());
}

} // namespace
} // namespace tarvela
