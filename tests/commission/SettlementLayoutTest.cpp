// Page breaks, footers and item tables of the settlement layouts, drawn on a
// bare canvas so that the number of lines left on the page is exact.
#include <gtest/gtest.h>

#include "commission/DokladObsahFak.h"
#include "commission/print/SettlementLayout.h"
#include "report/PlainTextWriter.h"
#include "platform/RegionalSettings.h"

namespace tarvela {
namespace {

const DayNumber kToday = toDayNumber({2026, 4, 15});

class SettlementLayoutTest : public ::testing::Test {
protected:
    SettlementLayoutTest() : canvas(Orientation::Portrait, PrinterSelection(0, 0), status), layout(canvas, "S1", kToday)
    {
        setDecimalSeparator(',');
        layout.titleBlock("Titulek", "Obchodník S1");
    }

    // Fills the page with 10-point lines until exactly `lines` remain.
    void leaveLines(int lines)
    {
        canvas.SelectFont("ArialCE", 10);
        while (canvas.RemainingLines() > lines)
            canvas.WriteLine("výplň");
        ASSERT_EQ(canvas.RemainingLines(), lines);
    }

    std::vector<std::string> pageTexts()
    {
        const ReportDocument document = canvas.TakeDocument();
        std::vector<std::string> texts;
        for (const Page& page : document.pages)
            texts.push_back(plainText({{page}}));
        return texts;
    }

    static SettlementBlock block()
    {
        SettlementBlock b;
        b.header.number = "F001";
        b.header.correctedInvoice = "F000";
        b.header.customer = "Odběratel";
        b.header.total = 1234.5;
        b.paidSum = 1234.5;
        return b;
    }

    SilentReportStatus status;
    TBaseReport canvas;
    SettlementLayout layout;
};

TEST_F(SettlementLayoutTest, InvoiceBlockStaysOnThePageWithEightLinesLeft)
{
    leaveLines(8);
    layout.settlementInvoiceBlock(block());
    EXPECT_EQ(canvas.PageNumber(), 1);
}

TEST_F(SettlementLayoutTest, InvoiceBlockBreaksThePageWithSevenLinesLeft)
{
    leaveLines(7);
    layout.settlementInvoiceBlock(block());
    EXPECT_EQ(canvas.PageNumber(), 2);
    const std::vector<std::string> pages = pageTexts();
    EXPECT_TRUE(pages[0].ends_with("Strana 1\tDatum 15.04.2026\n"));
    EXPECT_TRUE(pages[1].starts_with("Číslo faktury \tF001\n"));
}

TEST_F(SettlementLayoutTest, CreditNoteBlockStaysOnThePageWithTenLinesLeft)
{
    leaveLines(10);
    layout.creditNoteBlock(block());
    EXPECT_EQ(canvas.PageNumber(), 1);
}

TEST_F(SettlementLayoutTest, CreditNoteBlockBreaksWithNineLinesLeftAndItsFooterNamesTheSalesman)
{
    leaveLines(9);
    layout.creditNoteBlock(block());
    EXPECT_EQ(canvas.PageNumber(), 2);
    const std::vector<std::string> pages = pageTexts();
    EXPECT_TRUE(pages[0].ends_with("Strana 1Obch.S1\tDatum 15.04.2026\n"));
    EXPECT_TRUE(pages[1].starts_with("Číslo dobropisu \tF001\nČíslo faktury \tF000\n"));
}

TEST_F(SettlementLayoutTest, SpecialInvoiceCandidateCanBreakThePageWithoutABlock)
{
    leaveLines(7);
    layout.prepareSpecialInvoiceBlock();
    EXPECT_EQ(canvas.PageNumber(), 2);
    EXPECT_EQ(pageTexts()[1], "");
}

TEST_F(SettlementLayoutTest, RunOnBlocksKeepTheLeadingSpacesOfTheirNumbers)
{
    layout.disallowedInvoiceBlock(block());
    const std::string page = pageTexts()[0];
    EXPECT_NE(page.find("Celková částka \t     1234,50\n"), std::string::npos);
    EXPECT_NE(page.find("Prodleva\t   0\n"), std::string::npos);
    EXPECT_NE(page.find("Podíl obratu\t        0,00\n"), std::string::npos);
}

TEST_F(SettlementLayoutTest, DocumentWithoutRowsPrintsHeaderAndZeroSumRowInTheHeaderFont)
{
    MemTable rows = makeDokladObsahFak();
    rows.open();
    ItemSums report;
    layout.itemTable(rows, DocumentKind::Invoice, report);
    EXPECT_EQ(canvas.CurrentFont().name, "Arial CE");
    EXPECT_EQ(pageTexts()[0], "Titulek\nObchodní zástupce :\tObchodník S1\n"
                              "Čís.karty\tNázev zboží\tSkup.\tProd.Cena\tCen.Cena\tRab%\tPr.t.%\tPr.sk %\tProv. Kč\n"
                              "Celkem\t        0,00\t        0,00\t        0,00\n");
}

TEST_F(SettlementLayoutTest, ItemTableFramesTheColumnsFromOneToTwentyCentimetres)
{
    MemTable rows = makeDokladObsahFak();
    rows.open();
    rows.append();
    rows.setString("DOK_KAV", "K1");
    rows.setFloat("DOK_PCC", 1234.5678);
    rows.post();
    ItemSums report;
    const ItemSums sums = layout.itemTable(rows, DocumentKind::Invoice, report);
    EXPECT_DOUBLE_EQ(sums.soldValue, 1234.5678);
    EXPECT_DOUBLE_EQ(report.soldValue, 1234.5678);
    EXPECT_EQ(canvas.CurrentFont().name, "ArialCE");
    EXPECT_EQ(canvas.CurrentFont().sizePt, 8);
    const Page page = canvas.TakeDocument().pages[0];
    double left = 100, right = 0;
    for (const DrawOp& op : page.ops)
        if (const auto* shade = std::get_if<FilledRect>(&op)) {
            left = std::min(left, shade->x);
            right = std::max(right, shade->x + shade->width);
        }
    EXPECT_NEAR(left, 1.0, 1e-9);
    EXPECT_NEAR(right, 20.0, 1e-9);
    EXPECT_NE(plainText({{page}}).find("K1/\t1234,5678\t0\t0\t0\t0\t0\nCelkem\t     1234,57"), std::string::npos);
}

TEST(SettlementNames, AreCutToTheirFirstCharactersNotBytes)
{
    EXPECT_EQ(firstCharacters("Šroubovák křížový", 8), "Šroubová");
    EXPECT_EQ(firstCharacters("Pilka", 25), "Pilka");
}

} // namespace
} // namespace tarvela
