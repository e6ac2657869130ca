#include <gtest/gtest.h>

#include <cmath>

#include "platform/Error.h"
#include "report/FontMetrics.h"
#include "report/TBaseReport.h"

using namespace tarvela;

namespace {

constexpr double kInnerMargin5 = 0.127;

template <typename Op>
std::vector<Op> opsOf(const Page& page)
{
    std::vector<Op> found;
    for (const DrawOp& op : page.ops)
        if (const auto* typed = std::get_if<Op>(&op))
            found.push_back(*typed);
    return found;
}

struct Canvas {
    SilentReportStatus status;
    TBaseReport report{Orientation::Portrait, PrinterSelection(kDefaultPrinter, 0), status};
    Canvas()
    {
        report.SelectFont("ArialCE", 10);
        report.SetMargins(1, 1, 2, 2);
        report.StartAtTop();
    }
    ReportDocument done() { return report.TakeDocument(); }
};

double width(const std::string& text, double size = 10)
{
    FontSpec font;
    font.sizePt = size;
    return FontMetrics::textWidthCm(text, font);
}

} // namespace

TEST(CanvasTabs, TextBeforeFirstTabStartsAtCursor)
{
    Canvas c;
    c.report.WriteLine("Nadpis");
    const auto runs = opsOf<TextRun>(c.done().pages[0]);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_DOUBLE_EQ(runs[0].x, 1.0);
}

TEST(CanvasTabs, WithoutTabStopsValueFollowsLabel)
{
    Canvas c;
    c.report.WriteLine("Číslo faktury \t2007000123");
    const auto runs = opsOf<TextRun>(c.done().pages[0]);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_NEAR(runs[1].x, 1.0 + width("Číslo faktury "), 1e-12);
    EXPECT_EQ(runs[1].text, "2007000123");
}

TEST(CanvasTabs, MoreTabsThanStopsRunOnAfterLastCellText)
{
    Canvas c;
    c.report.AddTabStop(1.0, Justification::Left, 6.0, 5, 0, 0);
    c.report.AddTabStop(std::nullopt, Justification::Left, 5.0, 5, 0, 0);
    c.report.WriteLine("\tA\tB\tC\tD");
    const auto runs = opsOf<TextRun>(c.done().pages[0]);
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_NEAR(runs[0].x, 1.0 + kInnerMargin5, 1e-12);
    EXPECT_NEAR(runs[1].x, 7.0 + kInnerMargin5, 1e-12);
    EXPECT_NEAR(runs[2].x, runs[1].x + width("B"), 1e-12);
    EXPECT_NEAR(runs[3].x, runs[2].x + width("C"), 1e-12);
}

TEST(CanvasTabs, ReachedCellCarriesOverWriteTextCallsUntilLineFeed)
{
    Canvas c;
    c.report.AddTabStop(2.0, Justification::Left, 3.0, 0, 0, 0);
    c.report.AddTabStop(std::nullopt, Justification::Left, 3.0, 0, 0, 0);
    c.report.WriteText("\tA");
    c.report.WriteText("\tB");
    c.report.LineFeed();
    c.report.WriteText("\tC");
    const auto runs = opsOf<TextRun>(c.done().pages[0]);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_DOUBLE_EQ(runs[0].x, 2.0);
    EXPECT_DOUBLE_EQ(runs[1].x, 5.0);
    EXPECT_DOUBLE_EQ(runs[2].x, 2.0);
    EXPECT_GT(runs[2].baseline, runs[0].baseline);
}

TEST(CanvasTabs, CellWithoutPositionFollowsPreviousCell)
{
    Canvas c;
    c.report.AddTabStop(1.0, Justification::Left, 2.0, 0, 0, 0);
    c.report.AddTabStop(std::nullopt, Justification::Left, 4.0, 0, 0, 0);
    c.report.AddTabStop(std::nullopt, Justification::Left, 1.0, 0, 0, 0);
    c.report.WriteText("\ta\tb\tc");
    const auto runs = opsOf<TextRun>(c.done().pages[0]);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_DOUBLE_EQ(runs[1].x, 3.0);
    EXPECT_DOUBLE_EQ(runs[2].x, 7.0);
}

TEST(CanvasCells, JustificationAndInnerMargin)
{
    Canvas c;
    c.report.AddTabStop(1.0, Justification::Right, 2.5, 5, 0, 0);
    c.report.AddTabStop(std::nullopt, Justification::Center, 4.0, 5, 0, 0);
    c.report.AddTabStop(std::nullopt, Justification::Right, 2.5, 0, 0, 0);
    c.report.WriteText("\t1234,57\tstřed\t9");
    const auto runs = opsOf<TextRun>(c.done().pages[0]);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_NEAR(runs[0].x + runs[0].width, 3.5 - kInnerMargin5, 1e-12);
    EXPECT_EQ(runs[0].align, Justification::Right);
    EXPECT_NEAR(runs[1].x + runs[1].width / 2, 5.5, 1e-12);
    EXPECT_NEAR(runs[2].x + runs[2].width, 10.0, 1e-12);
}

TEST(CanvasCells, TextLongerThanCellIsNotCut)
{
    Canvas c;
    c.report.AddTabStop(1.0, Justification::Left, 0.5, 0, 0, 0);
    c.report.WriteText("\tVelmi dlouhý název zboží");
    const auto runs = opsOf<TextRun>(c.done().pages[0]);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].text, "Velmi dlouhý název zboží");
    EXPECT_GT(runs[0].width, 0.5);
}

TEST(CanvasCells, ShadeTenWithBordersFiveDrawsGreyCellWithLeftAndTopEdges)
{
    Canvas c;
    const double top = c.report.LineTop();
    c.report.AddTabStop(1.0, Justification::Left, 2.0, 5, 5, 10);
    c.report.WriteLine("\tČís.karty");
    const Page page = c.done().pages[0];
    const double height = FontMetrics::lineHeightCm(10);

    const auto rects = opsOf<FilledRect>(page);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0], (FilledRect{1.0, top, 2.0, height, Rgb{230, 230, 230}}));

    const auto edges = opsOf<LineSegment>(page);
    ASSERT_EQ(edges.size(), 2u);
    EXPECT_DOUBLE_EQ(edges[0].x1, 1.0);
    EXPECT_DOUBLE_EQ(edges[0].x2, 1.0);
    EXPECT_DOUBLE_EQ(edges[0].y1, top);
    EXPECT_DOUBLE_EQ(edges[0].y2, top + height);
    EXPECT_DOUBLE_EQ(edges[1].y1, top);
    EXPECT_DOUBLE_EQ(edges[1].y2, top);
    EXPECT_DOUBLE_EQ(edges[1].x1, 1.0);
    EXPECT_DOUBLE_EQ(edges[1].x2, 3.0);

    // The cell is drawn before its text, so the shade never hides it.
    ASSERT_TRUE(std::holds_alternative<FilledRect>(page.ops[0]));
    EXPECT_TRUE(std::holds_alternative<TextRun>(page.ops.back()));
}

TEST(CanvasCells, EmptyCellBetweenTabsIsStillDrawn)
{
    Canvas c;
    for (int i = 0; i < 3; ++i)
        c.report.AddTabStop(i == 0 ? std::optional<double>(1.0) : std::nullopt, Justification::Left, 2.0, 0,
                            kBorderBottom, 10);
    c.report.WriteLine("\tCelkem\t\t12");
    const Page page = c.done().pages[0];
    EXPECT_EQ(opsOf<FilledRect>(page).size(), 3u);
    EXPECT_EQ(opsOf<LineSegment>(page).size(), 3u);
    EXPECT_EQ(opsOf<TextRun>(page).size(), 2u);
}

TEST(CanvasCells, ZeroWidthCellIsReachedButNotDrawn)
{
    Canvas c;
    c.report.AddTabStop(4.0, Justification::Left, 0.0, 0, 15, 10);
    c.report.WriteText("\tx");
    const Page page = c.done().pages[0];
    EXPECT_TRUE(opsOf<FilledRect>(page).empty());
    EXPECT_TRUE(opsOf<LineSegment>(page).empty());
    EXPECT_DOUBLE_EQ(opsOf<TextRun>(page)[0].x, 4.0);
}

TEST(CanvasLines, LineHeightFollowsCurrentFont)
{
    Canvas c;
    const double first = c.report.LineTop();
    c.report.LineFeed();
    c.report.SelectFont("ArialCE", 13);
    c.report.LineFeed();
    EXPECT_NEAR(c.report.LineTop() - first, FontMetrics::lineHeightCm(10) + FontMetrics::lineHeightCm(13), 1e-12);
    EXPECT_DOUBLE_EQ(c.report.CursorX(), 1.0);
}

TEST(CanvasLines, BaselineSitsAtFixedDistanceBelowLineTop)
{
    Canvas c;
    c.report.WriteText("Aj");
    const auto runs = opsOf<TextRun>(c.done().pages[0]);
    EXPECT_NEAR(runs[0].baseline - 2.0, FontMetrics::baselineOffsetCm(10), 1e-12);
    EXPECT_LT(FontMetrics::baselineOffsetCm(10), FontMetrics::lineHeightCm(10));
}

TEST(CanvasLines, RemainingLinesCountsWholeLinesOfTextArea)
{
    Canvas c;
    const double height = FontMetrics::lineHeightCm(10);
    const int expected = int(std::floor(25.7 / height));
    EXPECT_EQ(c.report.RemainingLines(), expected);
    for (int i = 1; i < expected; ++i)
        c.report.LineFeed();
    EXPECT_EQ(c.report.RemainingLines(), 1);
    c.report.LineFeed();
    EXPECT_EQ(c.report.RemainingLines(), 0);
}

TEST(CanvasLines, RemainingLinesRisesWhenFontShrinksWithoutMovingCursor)
{
    Canvas c;
    for (int i = 0; i < 20; ++i)
        c.report.LineFeed();
    const double top = c.report.LineTop();
    const int atTen = c.report.RemainingLines();
    c.report.SelectFont("ArialCE", 8);
    const int atEight = c.report.RemainingLines();
    EXPECT_GT(atEight, atTen);
    EXPECT_EQ(atEight, 1 + int(std::floor((27.7 - top - FontMetrics::lineHeightCm(8)) / FontMetrics::lineHeightCm(8))));
    EXPECT_DOUBLE_EQ(c.report.LineTop(), top);
}

TEST(CanvasFooter, FooterGoesOnLastLineOfTextArea)
{
    Canvas c;
    c.report.WriteLine("Nadpis");
    c.report.WriteFooter("Strana 1", Justification::Left);
    c.report.WriteFooter("Datum 01.01.2007", Justification::Right);
    const double lastTop = 27.7 - FontMetrics::lineHeightCm(10);
    EXPECT_NEAR(c.report.LineTop(), lastTop, 1e-12);
    EXPECT_EQ(c.report.RemainingLines(), 1);
    const auto runs = opsOf<TextRun>(c.done().pages[0]);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_DOUBLE_EQ(runs[1].x, 1.0);
    EXPECT_NEAR(runs[2].x + runs[2].width, 20.0, 1e-12);
    EXPECT_DOUBLE_EQ(runs[1].baseline, runs[2].baseline);
    EXPECT_NEAR(runs[1].baseline, lastTop + FontMetrics::baselineOffsetCm(10), 1e-12);
    EXPECT_EQ(runs[1].line, runs[2].line);
}

TEST(CanvasPages, ReportWithoutAnyOutputStillHasOnePage)
{
    SilentReportStatus status;
    TBaseReport report(Orientation::Portrait, PrinterSelection(kDefaultPrinter, 0), status);
    const ReportDocument document = report.TakeDocument();
    ASSERT_EQ(document.pages.size(), 1u);
    EXPECT_TRUE(document.pages[0].ops.empty());
}

TEST(CanvasPages, PageBreakStartsNextPageAtTop)
{
    Canvas c;
    c.report.AddTabStop(5.0, Justification::Left, 2.0, 0, 0, 0);
    c.report.WriteLine("a");
    c.report.WriteLine("b");
    c.report.PageBreak();
    EXPECT_EQ(c.report.PageNumber(), 2);
    EXPECT_DOUBLE_EQ(c.report.LineTop(), 2.0);
    c.report.WriteText("\tc");
    const ReportDocument document = c.done();
    ASSERT_EQ(document.pages.size(), 2u);
    const auto runs = opsOf<TextRun>(document.pages[1]);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_DOUBLE_EQ(runs[0].x, 5.0);
    EXPECT_EQ(runs[0].line, 1);
}

TEST(CanvasPages, NoAutomaticBreakTextRunsOffThePage)
{
    Canvas c;
    for (int i = 0; i < 100; ++i)
        c.report.WriteLine("řádek");
    const ReportDocument document = c.done();
    ASSERT_EQ(document.pages.size(), 1u);
    EXPECT_GT(opsOf<TextRun>(document.pages[0]).back().baseline, 29.7);
}

TEST(CanvasPages, LandscapePagesAreA4Turned)
{
    SilentReportStatus status;
    TBaseReport report(Orientation::Landscape, PrinterSelection(kDefaultPrinter, 0), status);
    report.PageBreak();
    const ReportDocument document = report.TakeDocument();
    for (const Page& page : document.pages) {
        EXPECT_DOUBLE_EQ(page.widthCm, 29.7);
        EXPECT_DOUBLE_EQ(page.heightCm, 21.0);
    }
}

TEST(CanvasFonts, SelectFontResetsColourCharsetAndStyles)
{
    Canvas c;
    c.report.SelectCharset(238);
    c.report.SetTextColor(kRed);
    c.report.SetBold(true);
    c.report.SetUnderline(true);
    c.report.SelectFont("Arial CE", 9);
    EXPECT_EQ(c.report.CurrentFont(), (FontSpec{"Arial CE", 9}));
}

TEST(CanvasFonts, ColourChangeMidLineKeepsTextOnOneLine)
{
    Canvas c;
    c.report.WriteText("Obchodní zástupce :");
    c.report.SetTextColor(kRed);
    c.report.WriteText("Novák");
    c.report.SetTextColor(kBlack);
    c.report.WriteLine("");
    const auto runs = opsOf<TextRun>(c.done().pages[0]);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[1].font.color, kRed);
    EXPECT_NEAR(runs[1].x, 1.0 + width("Obchodní zástupce :"), 1e-12);
    EXPECT_EQ(runs[0].line, runs[1].line);
}

TEST(CanvasFonts, NonsenseFontSizeIsRefused)
{
    Canvas c;
    EXPECT_THROW(c.report.SelectFont("ArialCE", 0), Error);
    EXPECT_THROW(c.report.SelectFont("ArialCE", std::nan("")), Error);
    EXPECT_EQ(c.report.CurrentFont().sizePt, 10);
}

TEST(CanvasWriteAt, PrintsAtGivenPositionOnCurrentLine)
{
    Canvas c;
    c.report.WriteAt("Přehled faktur", 3.0);
    c.report.WriteText("!");
    const auto runs = opsOf<TextRun>(c.done().pages[0]);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_DOUBLE_EQ(runs[0].x, 3.0);
    EXPECT_NEAR(runs[1].x, 3.0 + width("Přehled faktur"), 1e-12);
}
