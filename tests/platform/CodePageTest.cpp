#include <gtest/gtest.h>

#include <set>

#include "platform/CodePage.h"

using namespace tarvela;

TEST(CodePagePermutation, EveryByteSurvivesTheRoundTrip)
{
    std::set<unsigned char> images;
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        EXPECT_EQ(cp852ToCp1250(cp1250ToCp852(byte)), byte);
        EXPECT_EQ(cp1250ToCp852(cp852ToCp1250(byte)), byte);
        images.insert(cp1250ToCp852(byte));
    }
    EXPECT_EQ(images.size(), 256u);
    for (int b = 0; b <= 32; ++b)
        EXPECT_EQ(cp1250ToCp852(static_cast<unsigned char>(b)), b);
}

TEST(CodePagePermutation, CzechLettersLandWhereBothCodePagesPutThem)
{
    // (1250 byte, 852 byte) of č Č ř Ř š Š ž Ž á é í ó ú ů ý ě ň ť ď
    const std::pair<int, int> letters[] = {
        {0xE8, 0x9F}, {0xC8, 0xAC}, {0xF8, 0xFD}, {0xD8, 0xFC}, {0x9A, 0xE7}, {0x8A, 0xE6},
        {0x9E, 0xA7}, {0x8E, 0xA6}, {0xE1, 0xA0}, {0xE9, 0x82}, {0xED, 0xA1}, {0xF3, 0xA2},
        {0xFA, 0xA3}, {0xF9, 0x85}, {0xFD, 0xEC}, {0xEC, 0xD8}, {0xF2, 0xE5}, {0x9D, 0x9C},
        {0xEF, 0xD4}};
    for (auto [ansi, oem] : letters) {
        EXPECT_EQ(cp1250ToCp852(static_cast<unsigned char>(ansi)), oem) << ansi;
        EXPECT_EQ(cp852ToCp1250(static_cast<unsigned char>(oem)), ansi) << oem;
    }
}

TEST(CodePageText, OemTextReadsAsUtf8AndBack)
{
    const std::string czech = "Příliš žluťoučký kůň úpěl ďábelské ódy \"Čaj\"";
    const std::string oem = utf8ToOem(czech);
    EXPECT_EQ(oem.size(), utf8ToUtf32(czech).size());
    EXPECT_EQ(oemToUtf8(oem), czech);
}

TEST(CodePageText, UndefinedAnsiBytesStayLossless)
{
    for (int b : {0x81, 0x83, 0x88, 0x90, 0x98}) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(utf8ToCp1250(cp1250ToUtf8(one)), one);
    }
    EXPECT_EQ(utf8ToCp1250("€ and 漢"), "\x80 and ?");
}
