#include <gtest/gtest.h>

#include "MemoryTable.h"
#include "data/cdx/Expression.h"
#include "data/cdx/KeyEncoding.h"
#include "platform/CodePage.h"
#include "platform/Error.h"

using namespace tarvela;
using namespace tarvela::cdx;
using test::MemoryTable;

namespace {
MemoryTable stockTable()
{
    return MemoryTable({{"SKL_EXT", 'C', 3}, {"SKL_POS", 'C', 6}, {"SKL_STA", 'N', 8, 2}, {"SKL_PRO", 'N', 8, 2},
                        {"SKL_DAT", 'D', 8}, {"SKL_ZRU", 'L', 1}});
}
} // namespace

TEST(CdxExpression, ConcatenationKeepsFullFieldWidths)
{
    const MemoryTable table = stockTable();
    const Expression key("SKL_EXT + SKL_POS", table.fields());
    EXPECT_EQ(key.type(), ValueType::Character);
    EXPECT_EQ(key.keyLength(), 9);
    EXPECT_EQ(key.key(table.record({"AB", "X1"})), "AB X1    ");
    ASSERT_EQ(key.fieldsUsed().size(), 2u);
    EXPECT_EQ(key.fieldsUsed()[1].name, "SKL_POS");
}

TEST(CdxExpression, UpperFollowsCzechRules)
{
    const MemoryTable table({{"SOR_NAC", 'C', 8}});
    const Expression key("upper( sor_nac )", table.fields());
    EXPECT_EQ(key.key(table.record({utf8ToOem("čaj")})), utf8ToOem("ČAJ     "));
}

TEST(CdxExpression, NumbersDatesAndConditions)
{
    const MemoryTable table = stockTable();
    const std::string record = table.record({"", "", "12.50", "2.25", "20240115", "Y"});
    EXPECT_EQ(Expression("SKL_STA-SKL_PRO", table.fields()).key(record), encodeNumberKey(10.25));
    EXPECT_EQ(Expression("SKL_DAT", table.fields()).key(record), encodeDateKey(toDayNumber({2024, 1, 15})));
    EXPECT_EQ(Expression("SKL_DAT", table.fields()).key(table.record({})), encodeDateKey(std::nullopt));
    EXPECT_TRUE(Expression("SKL_STA >0", table.fields()).isTrue(record));
    EXPECT_FALSE(Expression("SKL_STA > 0", table.fields()).isTrue(table.record({"", "", "  -1"})));
    EXPECT_FALSE(Expression("NOT SKL_ZRU", table.fields()).isTrue(record));
    EXPECT_TRUE(Expression("NOT(SKL_ZRU)", table.fields()).isTrue(table.record({})));
    EXPECT_TRUE(Expression("(SKL_STA - SKL_PRO) > 10", table.fields()).isTrue(record));
}

TEST(CdxExpression, ParseErrorsNameTheExpression)
{
    const MemoryTable table = stockTable();
    for (const std::string text : {"SKL_XXX", "SKL_EXT +", "UPPER(SKL_STA)", "SKL_EXT - SKL_POS", "(SKL_EXT",
                                   "NOT SKL_STA", "SKL_EXT SKL_POS", "", "SKL_STA > 'A'"}) {
        try {
            Expression expression(text, table.fields());
            ADD_FAILURE() << "accepted: " << text;
        } catch (const Error& error) {
            EXPECT_NE(std::string(error.what()).find("\"" + text + "\""), std::string::npos) << error.what();
        }
    }
}
