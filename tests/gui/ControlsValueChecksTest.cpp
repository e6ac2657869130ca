#include <gtest/gtest.h>

#include "controls/ValueChecks.h"

using namespace tarvela;

TEST(ControlsValueChecks, IntegerAcceptsSignAndRefusesFractions)
{
    EXPECT_EQ(checkInteger(" -12 ").value_or("?"), "-12");
    EXPECT_FALSE(checkInteger("1.5"));
    EXPECT_FALSE(checkInteger("3000000000"));
}

TEST(ControlsValueChecks, FloatIsRewrittenWithPrecisionAndDigits)
{
    EXPECT_EQ(checkFloat("1,256", 15, 2).value_or("?"), "1.26");
    EXPECT_EQ(checkFloat("123456", 3, 1).value_or("?"), "123000.0");
    EXPECT_EQ(checkFloat("-0.5", 15, 0).value_or("?"), "-1");
    EXPECT_FALSE(checkFloat("1.2.3", 15, 2));
    EXPECT_FALSE(checkFloat("", 15, 2));
}

TEST(ControlsValueChecks, DateCompletesMissingParts)
{
    const QDate base(2026, 5, 17);
    EXPECT_EQ(checkDate("3", base).value_or("?"), "03.05.2026");
    EXPECT_EQ(checkDate("3.4", base).value_or("?"), "03.04.2026");
    EXPECT_EQ(checkDate("3.4.26", base).value_or("?"), "03.04.2026");
    EXPECT_EQ(checkDate("3.4.99", base).value_or("?"), "03.04.1999");
    EXPECT_EQ(checkDate("29.2.2024", base).value_or("?"), "29.02.2024");
    EXPECT_FALSE(checkDate("29.2.2025", base));
    EXPECT_FALSE(checkDate("1.13.2025", base));
    EXPECT_FALSE(checkDate("a.b.c", base));
}

TEST(ControlsValueChecks, TimeIsRewrittenInLongForm)
{
    const QTime base(9, 30);
    EXPECT_EQ(checkTime("7:5", base).value_or("?"), "07:05:00");
    EXPECT_EQ(checkTime("23:59:59", base).value_or("?"), "23:59:59");
    EXPECT_FALSE(checkTime("24:00", base));
    EXPECT_FALSE(checkTime("7:61", base));
}
