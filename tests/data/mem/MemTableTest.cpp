// The in-memory table: fields, order, locate, editing and calculated fields.
#include <gtest/gtest.h>

#include "data/mem/MemTable.h"
#include "platform/Error.h"

namespace tarvela {
namespace {

MemTable salesTable()
{
    MemTable table("Sales");
    table.addField({"SES_OBC", MemFieldType::String, 3, "Obchodnik", "", 0, false});
    table.addField({"SES_ODB", MemFieldType::String, 7, "", "", 0, false});
    table.addField({"SES_CPC", MemFieldType::Float, 0, "", "#,##0.00", 3, false});
    table.addField({"SES_RAB", MemFieldType::Float, 0, "", "", 0, false});
    table.addField({"SES_RAP", MemFieldType::Float, 0, "", "", 3, true});
    table.addIndex({"OBC", {"SES_OBC", "SES_ODB"}});
    table.addIndex({"OBR", {"SES_CPC"}, false, true});
    table.addIndex({"ODB", {"SES_ODB"}, true});
    table.setCalculation([](MemRecord& row) {
        const double listValue = row.asFloat("SES_CPC");
        row.setFloat("SES_RAP", listValue != 0 ? row.asFloat("SES_RAB") / (listValue / 100) : 0);
    });
    table.open();
    return table;
}

void addRow(MemTable& table, const std::string& salesman, const std::string& customer, double value,
            double discount = 0)
{
    table.append();
    table.setString("SES_OBC", salesman);
    table.setString("SES_ODB", customer);
    table.setFloat("SES_CPC", value);
    table.setFloat("SES_RAB", discount);
    table.post();
}

std::string walk(MemTable& table)
{
    std::string order;
    for (table.first(); !table.eof(); table.next())
        order += table.asString("SES_OBC") + "/" + table.asString("SES_ODB") + " ";
    return order;
}

TEST(MemTableOrder, RowsStandAsAddedUntilAnIndexIsSelected)
{
    MemTable table = salesTable();
    addRow(table, "B", "C2", 100);
    addRow(table, "A", "C9", 300);
    addRow(table, "A", "C1", 200);
    EXPECT_EQ(walk(table), "B/C2 A/C9 A/C1 ");
    table.selectIndex("obc");
    EXPECT_EQ(walk(table), "A/C1 A/C9 B/C2 ");
    addRow(table, "A", "C5", 50);
    EXPECT_EQ(walk(table), "A/C1 A/C5 A/C9 B/C2 ");
    table.selectIndex("OBR");
    EXPECT_EQ(walk(table), "A/C9 A/C1 B/C2 A/C5 ");
    table.selectIndex("");
    EXPECT_EQ(walk(table), "B/C2 A/C9 A/C1 A/C5 ");
}

TEST(MemTableOrder, UniqueIndexShowsTheFirstRowOfEachKey)
{
    MemTable table = salesTable();
    addRow(table, "A", "C1", 100);
    addRow(table, "B", "C1", 200);
    addRow(table, "B", "C2", 300);
    table.selectIndex("ODB");
    EXPECT_EQ(walk(table), "A/C1 B/C2 ");
    EXPECT_EQ(table.rowCount(), 2u);
    table.selectIndex("");
    EXPECT_EQ(table.rowCount(), 3u);
}

TEST(MemTableOrder, EditingAKeyMovesTheRow)
{
    MemTable table = salesTable();
    addRow(table, "A", "C1", 100);
    addRow(table, "B", "C2", 200);
    table.selectIndex("OBC");
    ASSERT_TRUE(table.locate({"SES_OBC"}, {std::string("A")}));
    table.edit();
    table.setString("SES_OBC", "C");
    table.post();
    EXPECT_EQ(table.asString("SES_OBC"), "C");
    EXPECT_EQ(walk(table), "B/C2 C/C1 ");
    EXPECT_FALSE(table.locate({"SES_OBC"}, {std::string("A")}));
    EXPECT_TRUE(table.locate({"SES_OBC", "SES_ODB"}, {std::string("C"), std::string("C1")}));
}

TEST(MemTableLocate, FindsTheFirstRowInTheCurrentOrder)
{
    MemTable table = salesTable();
    addRow(table, "B", "C1", 100);
    addRow(table, "A", "C1", 200);
    ASSERT_TRUE(table.locate({"SES_ODB"}, {std::string("C1")}));
    EXPECT_EQ(table.asString("SES_OBC"), "B");
    table.selectIndex("OBC");
    ASSERT_TRUE(table.locate({"SES_ODB"}, {std::string("C1")}));
    EXPECT_EQ(table.asString("SES_OBC"), "A");
    EXPECT_TRUE(table.locate({"SES_CPC"}, {100.0}));
    EXPECT_FALSE(table.locate({"SES_ODB"}, {std::string("C")}));
    EXPECT_EQ(table.asString("SES_OBC"), "B");  // unchanged after a miss
}

TEST(MemTableValues, EmptyNumbersReadZeroAndTextsAreCutToWidth)
{
    MemTable table = salesTable();
    table.append();
    table.setString("SES_OBC", "ABCDE");
    table.setString("SES_ODB", "ČŘŽÝÁÍÉŮ");
    table.post();
    EXPECT_EQ(table.asString("SES_OBC"), "ABC");
    EXPECT_EQ(table.asString("SES_ODB"), "ČŘŽÝÁÍÉ");
    EXPECT_TRUE(table.isNull("SES_CPC"));
    EXPECT_DOUBLE_EQ(table.asFloat("SES_CPC"), 0.0);
    EXPECT_THROW(table.asFloat("SES_XXX"), Error);
    EXPECT_THROW(table.asFloat("SES_OBC"), Error);
}

TEST(MemTableValues, CalculatedFieldsFollowTheRowRead)
{
    MemTable table = salesTable();
    addRow(table, "A", "C1", 200, 50);
    addRow(table, "B", "C2", 0, 10);
    table.first();
    EXPECT_DOUBLE_EQ(table.asFloat("SES_RAP"), 25.0);
    table.next();
    EXPECT_DOUBLE_EQ(table.asFloat("SES_RAP"), 0.0);
    table.first();
    table.edit();
    table.setFloat("SES_RAB", 100);
    table.post();
    EXPECT_DOUBLE_EQ(table.asFloat("SES_RAP"), 50.0);
    table.edit();
    EXPECT_THROW(table.setFloat("SES_RAP", 1), Error);
    table.cancel();
}

TEST(MemTableLifecycle, EmptyAndCloseDropRowsAndClosedTablesRefuseWork)
{
    MemTable table = salesTable();
    addRow(table, "A", "C1", 200);
    table.removeAllRows();
    EXPECT_TRUE(table.isEmpty());
    table.first();
    EXPECT_TRUE(table.eof());
    EXPECT_FALSE(table.locate({"SES_OBC"}, {std::string("A")}));
    addRow(table, "A", "C1", 200);
    table.close();
    EXPECT_THROW(table.first(), Error);
    EXPECT_THROW(table.append(), Error);
    table.open();
    EXPECT_EQ(table.rowCount(), 0u);
}

TEST(MemTableLifecycle, CancelledAppendAddsNothing)
{
    MemTable table = salesTable();
    table.append();
    table.setString("SES_OBC", "A");
    table.cancel();
    EXPECT_EQ(table.rowCount(), 0u);
    EXPECT_THROW(table.setString("SES_OBC", "A"), Error);
}

} // namespace
} // namespace tarvela
