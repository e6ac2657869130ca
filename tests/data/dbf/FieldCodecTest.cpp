#include <gtest/gtest.h>

#include "data/dbf/FieldCodec.h"
#include "platform/Error.h"
#include "support/TableBuilder.h"

using namespace tarvela;
using namespace tarvela::test;

TEST(TextFields, TranslatedFromCodePage852AndTrimmedAtTheEndOnly)
{
    // "Čaj" in code page 852: Č = 0xAC.
    EXPECT_EQ(decodeText("\xAC" "aj   "), "Čaj");
    EXPECT_EQ(decodeText("  x  "), "  x");
    EXPECT_EQ(decodeText("     "), "");
    EXPECT_EQ(encodeText("Čaj", 5), "\xAC" "aj  ");
    EXPECT_EQ(encodeText("Příliš dlouhé", 6), "P\xFD\xA1li\xE7");
}

TEST(NumericFields, BlankReadsZeroAndTextIsLenient)
{
    EXPECT_EQ(decodeNumber("     "), 0.0);
    EXPECT_EQ(decodeNumber("  -12.50"), -12.5);
    EXPECT_EQ(decodeNumber("  +3"), 3.0);
    EXPECT_EQ(decodeNumber("******"), 0.0);
    EXPECT_EQ(decodeInteger("   42"), 42);
    EXPECT_EQ(decodeInteger("  2.6"), 3);
    EXPECT_EQ(decodeInteger("99999999999"), 2147483647);
}

TEST(NumericFields, WrittenRightAlignedWithTheFieldsDecimals)
{
    EXPECT_EQ(encodeNumber(1234.567, field("CENA", 'N', 10, 2)), "   1234.57");
    EXPECT_EQ(encodeNumber(-5, field("POC", 'N', 5)), "   -5");
    EXPECT_EQ(encodeNumber(-0.001, field("CENA", 'N', 6, 2)), "  0.00");
    EXPECT_EQ(encodeNumber(99999, field("POC", 'N', 5)), "99999");
}

TEST(NumericFields, ANumberThatDoesNotFitIsRefused)
{
    try {
        encodeNumber(100000, field("POC", 'N', 5));
        FAIL();
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Číslo 100000 se nevejde do pole POC");
    }
    EXPECT_THROW(encodeNumber(std::numeric_limits<double>::quiet_NaN(), field("C", 'N', 10, 2)), Error);
}

TEST(DateFields, EmptyOrImpossibleDatesAreDayZero)
{
    EXPECT_EQ(decodeDate("20070101"), 39083);
    EXPECT_EQ(decodeDate("        "), 0);
    EXPECT_EQ(decodeDate("20070231"), 0);
    EXPECT_EQ(decodeDate("2007 1 1"), 0);
    EXPECT_EQ(encodeDate(39083), "20070101");
    EXPECT_EQ(encodeDate(0), "        ");
}

TEST(LogicalFields, TrueOnlyForTheLettersOfYes)
{
    for (const char* yes : {"T", "t", "Y", "y", "J", "j"})
        EXPECT_TRUE(decodeLogical(yes)) << yes;
    for (const char* no : {"F", "N", " ", "?", "1", ""})
        EXPECT_FALSE(decodeLogical(no)) << no;
    EXPECT_EQ(encodeLogical(true), "T");
    EXPECT_EQ(encodeLogical(false), "F");
}

TEST(PlainNumbers, ShortestFormWithoutExponent)
{
    EXPECT_EQ(formatPlainNumber(12.5), "12.5");
    EXPECT_EQ(formatPlainNumber(-3), "-3");
    EXPECT_EQ(formatPlainNumber(0.1), "0.1");
    EXPECT_EQ(formatPlainNumber(1e20), "100000000000000000000");
    EXPECT_EQ(formatPlainNumber(-0.0), "0");
}
