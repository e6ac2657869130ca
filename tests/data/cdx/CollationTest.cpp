#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "data/cdx/Collation.h"
#include "data/cdx/CzechUpper.h"
#include "platform/CodePage.h"

using namespace tarvela;
using namespace tarvela::cdx;

namespace {
std::string oem(const std::string& utf8)
{
    return utf8ToOem(utf8);
}
bool before(const std::string& a, const std::string& b)
{
    return compareCollated(oem(a), oem(b)) < 0;
}
} // namespace

TEST(CdxCollation, WeightsArePermutation)
{
    std::set<int> weights;
    for (int b = 0; b < 256; ++b)
        weights.insert(collationWeight(static_cast<unsigned char>(b)));
    EXPECT_EQ(weights.size(), 256u);
}

TEST(CdxCollation, CaseSitsTogetherAndAccentsFollowTheBaseLetter)
{
    EXPECT_TRUE(before("Cukr", "cukr"));
    EXPECT_TRUE(before("cukr", "Čaj"));
    EXPECT_TRUE(before("Čaj", "Dort"));
    EXPECT_TRUE(before("Zebra", "žába"));
    EXPECT_TRUE(before("Rum", "řeka"));
}

TEST(CdxCollation, ShorterPrefixComesFirst)
{
    EXPECT_LT(compareCollated("F00012", "F000123"), 0);
    EXPECT_GT(compareCollated("F000123", "F00012"), 0);
    EXPECT_EQ(compareCollated("ABC", "ABC"), 0);
}

TEST(CdxCollation, WeightKeysSortLikeCollation)
{
    // Long shared beginnings put the first difference in every part of an
    // eight-byte word and in the tail after the last whole word.
    const std::vector<std::string> words = {"Dort", "Čaj", "cukr", "Cukr", "čaj", "ZZ", "a",
                                            "Mléko plnotučné Čaj", "Mléko plnotučné cukr", "Mléko plnotučné Cukr",
                                            "Mléko plnotučně", "Mléko plnotučné", "Mléko plnotučné 1",
                                            "Mlékárna", "Mléko polotučné Dort", "Mléko plnotučnéx"};
    for (const auto& a : words)
        for (const auto& b : words) {
            const int collated = compareCollated(oem(a), oem(b));
            const int weighted = toWeights(oem(a)).compare(toWeights(oem(b)));
            EXPECT_EQ(collated < 0, weighted < 0) << a << " " << b;
        }
}

TEST(CdxUpper, CzechLettersWithDiacriticsBecomeCapitals)
{
    EXPECT_EQ(upperCp852(oem("čaj řeka úl růže ďábel žluťoučký")), oem("ČAJ ŘEKA ÚL RŮŽE ĎÁBEL ŽLUŤOUČKÝ"));
    EXPECT_EQ(upperCp852(oem("ß 12-x")), oem("ß 12-X"));
}
