// Operation codes belong to a list when they occur anywhere in its text.
#include <gtest/gtest.h>

#include "commission/OperationCodes.h"

namespace tarvela {
namespace {

TEST(CommissionOperationCodes, CodesMatchAsSubstringsOfTheList)
{
    EXPECT_TRUE(isInCodeList("004", "004"));
    EXPECT_TRUE(isInCodeList("04", "004"));
    EXPECT_TRUE(isInCodeList("300", "004300"));
    EXPECT_TRUE(isInCodeList("043", "004300"));  // straddling two codes still matches
    EXPECT_FALSE(isInCodeList("008", "004"));
    EXPECT_FALSE(isInCodeList("004", ""));
    EXPECT_FALSE(isInCodeList("", "004"));
}

} // namespace
} // namespace tarvela
