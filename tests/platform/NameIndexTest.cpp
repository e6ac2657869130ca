#include "platform/NameIndex.h"

#include <gtest/gtest.h>

namespace tarvela {
namespace {

TEST(NameIndexTest, FindsNamesInAnyCaseAcrossGrowthAndRefusesASecondSpelling)
{
    NameIndex index;
    EXPECT_EQ(index.find("HLA_DO1"), nullptr);
    for (std::size_t i = 0; i < 200; ++i)
        ASSERT_TRUE(index.add("Field" + std::to_string(i), i));
    EXPECT_FALSE(index.add("FIELD7", 999));
    for (std::size_t i = 0; i < 200; ++i) {
        const std::size_t* found = index.find("fIELD" + std::to_string(i));
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(*found, i);
    }
    EXPECT_FALSE(index.contains("Field200"));
    EXPECT_FALSE(index.contains("Field"));
}

} // namespace
} // namespace tarvela
