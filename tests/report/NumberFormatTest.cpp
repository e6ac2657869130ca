#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "report/DateFormat.h"
#include "report/FontMetrics.h"
#include "report/NumberFormat.h"
#include "platform/RegionalSettings.h"

using namespace tarvela;

namespace {

class CommaSeparator : public ::testing::Test {
protected:
    void SetUp() override { setDecimalSeparator(','); }
    void TearDown() override { setDecimalSeparator('.'); }
};

} // namespace

TEST_F(CommaSeparator, FixedFormatsPadToWidth)
{
    EXPECT_EQ(formatFixed(1234.567, 12, 2), "     1234,57");
    EXPECT_EQ(formatFixed(-5.5, 9, 2), "    -5,50");
    EXPECT_EQ(formatFixed(0, 8, 2), "    0,00");
    EXPECT_EQ(formatFixed(12.4, 4, 0), "  12");
    EXPECT_EQ(formatFixed(123456789.125, 9, 2), "123456789,13");
}

TEST_F(CommaSeparator, RoundingIsHalfAwayFromZeroOnDecimalForm)
{
    EXPECT_EQ(formatFixed(1.005, 0, 2), "1,01");
    EXPECT_EQ(formatFixed(2.675, 0, 2), "2,68");
    EXPECT_EQ(formatFixed(-2.5, 0, 0), "-3");
    EXPECT_EQ(formatFixed(0.5, 4, 0), "   1");
    EXPECT_EQ(formatFixed(9.995, 0, 2), "10,00");
    EXPECT_EQ(formatFixed(99999.999, 0, 2), "100000,00");
    EXPECT_EQ(formatFixed(0.0004, 0, 2), "0,00");
    EXPECT_EQ(formatFixed(-0.001, 0, 2), "0,00");
}

TEST_F(CommaSeparator, TrimmedDropsLeadingSpacesOnly)
{
    EXPECT_EQ(trimmedLeft(formatFixed(3, 4, 0)), "3");
    EXPECT_EQ(trimmedLeft("  1,5 "), "1,5 ");
    EXPECT_EQ(trimmedLeft("   "), "");
}

TEST_F(CommaSeparator, PlainNumberIsShortestFormUpToFifteenDigits)
{
    EXPECT_EQ(formatPlain(12.5), "12,5");
    EXPECT_EQ(formatPlain(1234.5678), "1234,5678");
    EXPECT_EQ(formatPlain(100), "100");
    EXPECT_EQ(formatPlain(0.1 + 0.2), "0,3");
    EXPECT_EQ(formatPlain(1.0 / 3), "0,333333333333333");
    EXPECT_EQ(formatPlain(-0.0), "0");
    EXPECT_EQ(formatPlain(-7.25), "-7,25");
    EXPECT_EQ(formatPlain(1e20), "1E20");
}

TEST_F(CommaSeparator, NonFiniteValuesDoNotBreakFormatting)
{
    EXPECT_EQ(formatFixed(std::nan(""), 6, 2), "   NAN");
    EXPECT_EQ(formatPlain(-INFINITY), "-INF");
}

TEST(DecimalSeparator, FollowsLocaleName)
{
    EXPECT_EQ(decimalSeparatorOfLocale("cs_CZ.UTF-8"), ',');
    EXPECT_EQ(decimalSeparatorOfLocale("sk_SK"), ',');
    EXPECT_EQ(decimalSeparatorOfLocale("de_DE@euro"), ',');
    EXPECT_EQ(decimalSeparatorOfLocale("en_US.UTF-8"), '.');
    EXPECT_EQ(decimalSeparatorOfLocale("C"), '.');
    EXPECT_EQ(decimalSeparatorOfLocale("POSIX"), '.');
    EXPECT_EQ(decimalSeparatorOfLocale(""), '.');
}

TEST(DecimalSeparator, ReadFromEnvironmentWithLcAllFirst)
{
    const char* saved = std::getenv("LC_ALL");
    const std::string restore = saved ? saved : "";
    ::setenv("LC_ALL", "cs_CZ.UTF-8", 1);
    EXPECT_EQ(decimalSeparatorFromEnvironment(), ',');
    ::setenv("LC_ALL", "en_GB.UTF-8", 1);
    EXPECT_EQ(decimalSeparatorFromEnvironment(), '.');
    if (saved)
        ::setenv("LC_ALL", restore.c_str(), 1);
    else
        ::unsetenv("LC_ALL");
}

TEST(ReportDates, DayAndMomentFormats)
{
    EXPECT_EQ(formatReportDate(39083), "01.01.2007");
    EXPECT_EQ(formatReportDateTime(39083.5), "01.01.2007 12:00");
    EXPECT_EQ(formatReportDateTime(39083.0 + 13.0 / 24 + 5.0 / 1440), "01.01.2007 13:05");
    EXPECT_EQ(formatReportDateTime(39083.99999999999), "02.01.2007 00:00");
    EXPECT_EQ(formatReportDateTime(-1.25), "29.12.1899 06:00");
}

TEST(ReportFontMetrics, WidthsComeFromTableOfArialCompatibleFont)
{
    FontSpec font;
    font.sizePt = 10;
    const double cmPerUnit = 10 * 2.54 / 72 / 2048;
    EXPECT_NEAR(FontMetrics::textWidthCm("0", font), 1139 * cmPerUnit, 1e-12);
    EXPECT_NEAR(FontMetrics::textWidthCm("Č", font), FontMetrics::textWidthCm("C", font), 1e-12);
    font.bold = true;
    EXPECT_GT(FontMetrics::textWidthCm("Kč", font), 0);
    EXPECT_NEAR(FontMetrics::textWidthCm("\xE2\x82\xAC", font), 1139 * cmPerUnit, 1e-12);
}

TEST(ReportFontMetrics, UnknownAndMalformedCharactersStillHaveWidth)
{
    FontSpec font;
    const double question = FontMetrics::textWidthCm("?", font);
    EXPECT_NEAR(FontMetrics::textWidthCm("\xE4\xB8\xAD", font), question, 1e-12);
    EXPECT_NEAR(FontMetrics::textWidthCm("\xFF", font), question, 1e-12);
    EXPECT_EQ(decodeUtf8("a\xC3").size(), 2u);
    EXPECT_EQ(FontMetrics::textWidthCm("", font), 0);
}
