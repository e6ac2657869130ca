// Finding text in report pages: as typed or without case and accents, every
// occurrence in reading order, and a box where the text is drawn.
#include <gtest/gtest.h>

#include "report/FontMetrics.h"
#include "report/PageSearch.h"

using namespace tarvela;

namespace {

TextRun run(double x, double baseline, std::string text, Justification align = Justification::Left,
            double width = 0)
{
    TextRun r;
    r.x = x;
    r.baseline = baseline;
    r.text = std::move(text);
    r.align = align;
    r.width = width;
    return r;
}

ReportDocument twoPages()
{
    ReportDocument document;
    document.pages.resize(2);
    document.pages[0].ops = {run(2, 5, "Odběratel Žluťoučký kůň"), run(2, 3, "Kůň a KŮŇ")};
    document.pages[1].ops = {run(1, 2, "kun"), run(10, 4, "Kůň", Justification::Right, 5)};
    return document;
}

} // namespace

TEST(PageSearch, AsTypedCountsCaseAndAccents)
{
    const auto matches = findInDocument(twoPages(), "Kůň", false);
    ASSERT_EQ(matches.size(), 2u);
    EXPECT_EQ(matches[0].page, 0);
    EXPECT_DOUBLE_EQ(matches[0].top, 3 - 10 * 2.54 / 72);
    EXPECT_EQ(matches[1].page, 1);
    EXPECT_TRUE(findInDocument(twoPages(), "", false).empty());
}

TEST(PageSearch, FoldedFindsEveryFormInReadingOrder)
{
    const auto matches = findInDocument(twoPages(), "KUN", true);
    ASSERT_EQ(matches.size(), 5u);
    // Page 1: the upper line's two, then the lower line's one.
    EXPECT_EQ(matches[0].page, 0);
    EXPECT_LT(matches[0].x, matches[1].x);
    EXPECT_GT(matches[2].top, matches[1].top);
    // The box starts after the text before it.
    FontSpec font;
    EXPECT_NEAR(matches[2].x, 2 + FontMetrics::textWidthCm("Odběratel Žluťoučký ", font), 1e-9);
    EXPECT_NEAR(matches[2].width, FontMetrics::textWidthCm("kůň", font), 1e-9);
    // Right-aligned text ends at the edge the layout held.
    EXPECT_NEAR(matches[4].x + matches[4].width, 15, 1e-9);
    EXPECT_EQ(foldCaseAndAccents(U"ŽLUŤOUČKÝ Kůň"), U"zlutoucky kun");
}
