// The list reports on a small company: the sales by salesman, the invoice
// overview with its print-time filters, the customer rebate, their export
// files and their page breaks.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "SettlementFixture.h"
#include "commission/PaymentTerms.h"
#include "platform/CodePage.h"
#include "platform/WholeFile.h"

namespace tarvela::test {
namespace {

namespace fs = std::filesystem;

// March 2026 (zero VAT, so totals equal the journal values):
//   F1 of S3, 1.3., 1000, split by turnover 60 % S1 and 40 % S2
//   F2 of S1, 31.3., 1863, paid 532.31 + 597.89 + 732.80
//   F3 of S1, issued 15.2. but due 10.3., 300, unpaid
//   D1 of S4 (no invoices), 20.3., 250 credited
class ListReports : public ::testing::Test {
protected:
    ListReports()
    {
        c.addCard("K1", "Vrtačka", "G10");
        c.addGroup("G10", 10);
        for (const char* code : {"S1", "S2", "S3", "S4"})
            c.addSalesman(code, 22, 0.5);
        document("Faktury", "F1", "S3", day(1, 3), day(1, 3), "Žďár nad Sázavou – Šumava");
        c.addJournalLine("F1", "K1", "004", -1, -1000, -600, 0);
        c.addSplit("F1", "S1", 50, 60);
        c.addSplit("F1", "S2", 50, 40);
        document("Faktury", "F2", "S1", day(31, 3), day(10, 4), "Přehled \"U mostu\"");
        c.addJournalLine("F2", "K1", "004", -1, -1863, -1000, 0);
        for (double part : {532.31, 597.89, 732.80})
            c.addPayment("F2", part, day(5, 4));
        document("Faktury", "F3", "S1", day(15, 2), day(10, 3), "Odběratel F3");
        c.addJournalLine("F3", "K1", "004", -1, -300, -200, 0);
        document("Dobropisy", "D1", "S4", day(20, 3), day(30, 3), "Odběratel D1");
        c.addJournalLine("D1", "K1", "008", 1, 250, 150, 0);
    }

    void document(const std::string& table, const std::string& number, const std::string& salesman, DayNumber issued,
                  DayNumber due, const std::string& customer)
    {
        c.add(table, {{"HLA_DO1", number}, {"HLA_OBC", salesman}, {"HLA_NAC", customer}, {"HLA_ODB", "C" + number},
                      {"HLA_DAT", DateValue{issued}}, {"HLA_DVS", DateValue{issued}}, {"HLA_DZP", DateValue{issued}},
                      {"HLA_DSP", DateValue{due}}});
    }

    static ReportRequest march(DateBasis basis = DateBasis::IssueDate)
    {
        ReportRequest request;
        request.period = {kMarchFrom, kMarchTo};
        request.dateBasis = basis;
        return request;
    }

    ReportSession& session()
    {
        if (!session_) {
            session_.emplace(c);
            session_->sestavy.Now = [] { return double(kToday); };
        }
        return *session_;
    }

    // The export file's data lines in UTF-8, header first.
    std::vector<std::string> exportLines(const std::string& name) const
    {
        std::vector<std::string> lines;
        std::istringstream in(cp1250ToUtf8(readWholeFile(fs::path(c.folder().str()) / name)));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    CompanyFixture c{1};
    std::optional<ReportSession> session_;
};

TEST_F(ListReports, TurnoverSharesSplitDocumentsAndSubtractsCreditNotes)
{
    session().sestavy.SestProdejce(march());
    const std::vector<std::string> lines = exportLines("PrehledDleObchodniku.txt");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "\"S1\",\"2463\",\"1360\",\"0\",\"0\",\"2463\",\"0\",\"0\",\"0\",\r");
    EXPECT_EQ(lines[2], "\"S2\",\"400\",\"240\",\"0\",\"0\",\"400\",\"0\",\"0\",\"0\",\r");
    EXPECT_EQ(lines[3], "\"S4\",\"-250\",\"-150\",\"0\",\"0\",\"-250\",\"0\",\"0\",\"0\",\r");
    EXPECT_TRUE(session().hasLine("Celkem za sestavu \t     2613,00\t     1450,00\t     2613,00"));
    EXPECT_EQ(session().sestavy.Sestavy.orientation(), Orientation::Portrait);
}

TEST_F(ListReports, TurnoverOfDocumentsWithoutSalesmanHasAnEmptyCode)
{
    document("Faktury", "F5", "", day(5, 3), day(5, 4), "Bez obchodníka");
    c.addJournalLine("F5", "K1", "004", -1, -100, -70, 0);
    session().sestavy.SestProdejce(march());
    const std::vector<std::string> lines = exportLines("PrehledDleObchodniku.txt");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], ",\"100\",\"70\",\"0\",\"0\",\"100\",\"0\",\"0\",\"0\",\r");
}

TEST_F(ListReports, OverviewTakesTheBasisDateAndFiltersWhilePrinting)
{
    session().sestavy.SesPrehFak(march(DateBasis::DueDate));
    const std::vector<std::string> lines = exportLines("PrehledFaktur.txt");
    ASSERT_EQ(lines.size(), 4u);  // F1, F3 (due in March), D1; F2 is due in April
    EXPECT_TRUE(lines[1].starts_with("\"15/02/2026\",\"F3\",,\"CF3\","));  // no proforma: empty
    EXPECT_NE(lines[3].find("\"D1\""), std::string::npos);
    EXPECT_NE(lines[3].find("\"-250\""), std::string::npos);

    ReportRequest paid = march();
    paid.paymentFilter = PaymentFilter::PaidOnly;
    session().sestavy.SesPrehFak(paid);
    EXPECT_NE(session().text().find("Pouze zapacené faktury "), std::string::npos);
    EXPECT_TRUE(session().hasLine("31.03.2026\tF2\tPřehled \"U mostu\"\t 1000,00\t 1863,00\t 1863,00\t    0,00\t    0,00"
                                  "\t 1863,00\t    0,00\t    0,00\t    0,00\tS1"));
    EXPECT_EQ(session().text().find("\tF1\t"), std::string::npos);

    // S2's 40 % of F1 is printed; the text file keeps F1 whole.
    ReportRequest s2 = march();
    s2.salesmanFilterOn = true;
    s2.salesmanFilter = "S2";
    session().sestavy.SesPrehFak(s2);
    EXPECT_TRUE(session().hasLine("01.03.2026\tF1\tŽďár nad Sázavou – Šumava\t  240,00\t  400,00\t    0,00\t    0,00"
                                  "\t    0,00\t  400,00\t    0,00\t    0,00\t    0,00\tS3"));
    EXPECT_TRUE(session().hasLine("Celkem sestava \t  240,00\t   400,00\t     0,00\t    0,00\t    0,00\t  400,00"
                                  "\t    0,00\t    0,00\t    0,00"));
    EXPECT_NE(exportLines("PrehledFaktur.txt")[1].find("\"1000\""), std::string::npos);
    EXPECT_EQ(session().sestavy.Sestavy.orientation(), Orientation::Portrait);
}

TEST(OverviewPaymentFilter, ComparesRoundedCentsOfAbsoluteValues)
{
    EXPECT_TRUE(passesPaymentFilter(1, 100.004, 100.00));
    EXPECT_FALSE(passesPaymentFilter(1, 100.004, 99.99));
    EXPECT_TRUE(passesPaymentFilter(2, 100.004, 99.99));
    EXPECT_TRUE(passesPaymentFilter(1, -100.004, -100.00));
    EXPECT_TRUE(passesPaymentFilter(1, 1863.00, 532.31 + 597.89 + 732.80));
    EXPECT_TRUE(passesPaymentFilter(7, 100, 0));
}

TEST_F(ListReports, RebateSplitsLinesAndMarksRowsWithoutCost)
{
    // F1's discount line counts 60/40 like its sale; C9 has a discount only.
    c.addJournalLine("F1", "K1", "300", 0, 100, 0, 0);
    document("Faktury", "F9", "S1", day(2, 3), day(2, 4), "Jen sleva");
    c.addJournalLine("F9", "K1", "300", 0, 50, 0, 0);
    session().sestavy.SestObratuOdberatelu(march());
    const std::vector<std::string> lines = exportLines("SestRabatuOdb.txt");
    ASSERT_EQ(lines.size(), 5u);  // S1: CF1, CF2, CF9; S2: CF1
    EXPECT_EQ(lines[1], "\"S1\",\"CF1\",\"360\",\"600\",\"66.6666666666667\",\"Žďár nad Sázavou – Šumava\",\"60\","
                        "\"10\",\"50\",\r");
    // A field no line added to is empty; calculated fields read it as 0.
    EXPECT_EQ(lines[2], "\"S1\",\"CF2\",\"1000\",\"1863\",\"86.3\",\"Přehled \"\"U mostu\"\"\",,\"0\",\"86.3\",\r");
    EXPECT_EQ(lines[3], "\"S1\",\"CF9\",,,\"999999\",\"Jen sleva\",\"50\",\"0\",\"999999\",\r");
    EXPECT_TRUE(lines[4].starts_with("\"S2\",\"CF1\",\"240\",\"400\",\"66.6")) << lines[4];
    const std::vector<std::string> printed = session().lines();
    ASSERT_GE(printed.size(), 3u);
    EXPECT_EQ(printed[printed.size() - 3], "S2\tŽďár nad Sázavou – Šumava\t  240,00\t  360,00\t   50,00\t       40,00\t   10,00");
    EXPECT_EQ(printed[printed.size() - 2], "Celkem za obch.\t      240,00\t      360,00\t   50,00\t       40,00\t   10,00");
    EXPECT_EQ(printed.back(), "Celkem za sest.\t     1600,00\t     2713,00\t   69,56\t      150,00\t    5,24");
}

TEST_F(ListReports, SpreadsheetIsSkippedWhenEmptyOrCancelled)
{
    ReportRequest xls = march();
    xls.exportXls = true;
    xls.period = {day(1, 1, 2020), day(2, 1, 2020)};
    session().sestavy.SesPrehFak(xls);
    EXPECT_EQ(exportLines("PrehledFaktur.txt").size(), 1u);

    class CancellingUi : public RecordingUi {
    public:
        std::unique_ptr<CancellableProgress> openCancellableProgress(const std::string& title) override
        {
            titles.push_back(title);
            struct Cancel : CancellableProgress {
                bool advance(int) override { return false; }
            };
            return std::make_unique<Cancel>();
        }
        std::vector<std::string> titles;
    };
    CancellingUi ui;
    TData data(ui, c.folder().str() + "/");
    ASSERT_TRUE(data.DataCreate());
    TDataSestavy sestavy(data);
    sestavy.Today = [] { return kToday; };
    sestavy.DocumentsFolder = [this] { return c.folder().str(); };
    bool shown = false;
    sestavy.Sestavy.setPreview([&](const ReportDocument&, int) { shown = true; });
    sestavy.SestObratuOdberatelu([] {
        ReportRequest r = march();
        r.exportXls = true;
        return r;
    }());
    EXPECT_EQ(ui.titles, std::vector<std::string>{"Export do MS Excel"});
    EXPECT_TRUE(shown);
    for (const auto& entry : fs::directory_iterator(c.folder().str()))
        EXPECT_NE(entry.path().extension(), ".xls") << entry.path();
}

TEST_F(ListReports, LongReportsBreakPagesWithTheirOwnHeaders)
{
    for (int i = 0; i < 70; ++i) {
        const std::string number = "G" + std::to_string(100 + i);
        const std::string salesman = "T" + std::to_string(10 + i);
        document("Faktury", number, salesman, day(5, 3), day(5, 4), "Odběratel " + number);
        c.addJournalLine(number, "K1", "004", -1, -10, -5, 0);
    }
    auto pagesOf = [](const std::string& text) {
        std::vector<std::string> pages(1);
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            line == "\f" ? pages.emplace_back() : pages.back() += line + "\n";
        return pages;
    };
    session().sestavy.SesPrehFak(march());
    std::vector<std::string> pages = pagesOf(session().text());
    ASSERT_GE(pages.size(), 2u);
    EXPECT_EQ(pages[1].find("Datum\tFaktura"), std::string::npos);
    EXPECT_NE(pages[0].find("Strana 1\tDatum 15.04.2026 00:00"), std::string::npos);
    EXPECT_NE(pages.back().find("Celkem sestava"), std::string::npos);

    session().sestavy.SestProdejce(march());
    pages = pagesOf(session().text());
    ASSERT_GE(pages.size(), 2u);
    EXPECT_NE(pages[0].find("Strana 1, pokračování na další staně"), std::string::npos);
    EXPECT_TRUE(pages[1].starts_with("Kód\tJméno obchodníka"));

    session().sestavy.SestObratuOdberatelu(march());
    pages = pagesOf(session().text());
    ASSERT_GE(pages.size(), 2u);
    EXPECT_TRUE(pages[1].starts_with("Obch.\tOdběratel\tCel. Nc"));
}

} // namespace
} // namespace tarvela::test
