#include <gtest/gtest.h>

#include "platform/Date.h"

using namespace tarvela;

TEST(DayNumbers, CountFromThirtiethDecember1899)
{
    EXPECT_EQ(toDayNumber({1899, 12, 30}), 0);
    EXPECT_EQ(toDayNumber({1900, 1, 1}), 2);
    EXPECT_EQ(toDayNumber({2007, 1, 1}), 39083);
    const CivilDate back = toCivilDate(39083);
    EXPECT_EQ(back.year, 2007);
    EXPECT_EQ(back.month, 1);
    EXPECT_EQ(back.day, 1);
}

TEST(CzechDates, ParseOnlyRealDatesInFullForm)
{
    EXPECT_EQ(parseCzechDate("01.01.2007"), 39083);
    EXPECT_EQ(parseCzechDate("29.02.2024"), toDayNumber({2024, 2, 29}));
    EXPECT_FALSE(parseCzechDate("31.02.2026"));
    EXPECT_FALSE(parseCzechDate("29.02.2025"));
    EXPECT_FALSE(parseCzechDate("1.2.2026"));
    EXPECT_FALSE(parseCzechDate("aa.bb.cccc"));
    EXPECT_EQ(formatCzechDate(39083), "01.01.2007");
}
