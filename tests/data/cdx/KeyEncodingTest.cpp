#include <gtest/gtest.h>

#include "data/cdx/KeyEncoding.h"

using namespace tarvela;
using namespace tarvela::cdx;

namespace {
std::string hex(const std::string& bytes)
{
    static const char* digits = "0123456789ABCDEF";
    std::string text;
    for (unsigned char c : bytes) {
        if (!text.empty())
            text += ' ';
        text += digits[c >> 4];
        text += digits[c & 15];
    }
    return text;
}
} // namespace

TEST(CdxKeyEncoding, NumbersMatchTheFormatTable)
{
    EXPECT_EQ(hex(encodeNumberKey(0)), "80 00 00 00 00 00 00 00");
    EXPECT_EQ(hex(encodeNumberKey(-0.0)), "80 00 00 00 00 00 00 00");
    EXPECT_EQ(hex(encodeNumberKey(0.5)), "BF E0 00 00 00 00 00 00");
    EXPECT_EQ(hex(encodeNumberKey(21)), "C0 35 00 00 00 00 00 00");
    EXPECT_EQ(hex(encodeNumberKey(1234.5)), "C0 93 4A 00 00 00 00 00");
    EXPECT_EQ(hex(encodeNumberKey(99999999.99)), "C1 97 D7 83 FF F5 C2 8F");
    EXPECT_EQ(hex(encodeNumberKey(-1)), "40 0F FF FF FF FF FF FF");
    EXPECT_EQ(hex(encodeNumberKey(-1234.5)), "3F 6C B5 FF FF FF FF FF");
}

TEST(CdxKeyEncoding, DatesAreJulianDays)
{
    EXPECT_EQ(hex(encodeDateKey(toDayNumber({1899, 12, 30}))), "C1 42 6C D5 80 00 00 00");
    EXPECT_EQ(hex(encodeDateKey(toDayNumber({2000, 1, 1}))), "C1 42 B4 2C 80 00 00 00");
    EXPECT_EQ(hex(encodeDateKey(toDayNumber({2024, 1, 15}))), "C1 42 C5 52 80 00 00 00");
    EXPECT_EQ(hex(encodeDateKey(std::nullopt)), "80 00 00 00 00 00 00 00");
}

TEST(CdxKeyEncoding, DecodingInvertsAndBytesOrderValues)
{
    const double values[] = {-1e9, -1234.5, -1.5, -0.001, 0, 0.001, 0.5, 21, 1234.5, 99999999.99};
    for (std::size_t i = 0; i < std::size(values); ++i) {
        EXPECT_EQ(decodeNumberKey(encodeNumberKey(values[i])), values[i]);
        if (i > 0) {
            EXPECT_LT(encodeNumberKey(values[i - 1]), encodeNumberKey(values[i]));
        }
    }
    EXPECT_EQ(decodeDateKey(encodeDateKey(45000)), std::optional<DayNumber>(45000));
    EXPECT_EQ(decodeDateKey(encodeDateKey(std::nullopt)), std::nullopt);
}
