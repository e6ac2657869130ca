// The rows a grid shows, read through TableWindow from real tables: tag
// order, key range with the exact-number filter, deleted records, the last
// rows at opening, long jumps, and rows another process adds or changes.
#include <gtest/gtest.h>

#include <filesystem>

#include "data/documents/DocumentRows.h"
#include "data/table/DbfTable.h"
#include "data/table/ScopedTableOpen.h"
#include "data/table/TableWindow.h"
#include "support/ChildProcess.h"
#include "support/CompanyFixture.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

std::string number(int i)
{
    char text[16];
    std::snprintf(text, sizeof text, "F%06d", i);
    return text;
}

class TableWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 40; i >= 1; --i)  // file order differs from tag order
            company.addInvoiceHeader(number(i));
        company.addPayment("F00012", 100, 45000);
        company.addPayment("F000123", 200, 45001);
        company.addPayment("F00012", 300, 45002);
        company.addPayment("F00012", 400, 45003);
        company.addPayment("F00011", 500, 45004);
        invoices.emplace(company.data(), company.data().Faktury, "DO1");
    }

    static void readNumber(const DbfTable& table, WindowRow& row) { row.cells = {table.asString("HLA_DO1")}; }

    std::vector<std::string> shown(const TableWindow& window) const
    {
        std::vector<std::string> numbers;
        for (const WindowRow& row : window.rows())
            numbers.push_back(row.cells.at(0));
        return numbers;
    }

    CompanyFixture company;
    std::optional<ScopedTableOpen> invoices;
};

} // namespace

TEST_F(TableWindowTest, OpensOnTheLastRowsAndWalksInTagOrder)
{
    DbfTable& table = company.data().Faktury;
    TableWindow window(table, readNumber);
    window.setCapacity(5);
    window.last();
    EXPECT_EQ(shown(window), (std::vector<std::string>{number(36), number(37), number(38), number(39), number(40)}));
    EXPECT_EQ(window.currentRow(), 4);
    EXPECT_EQ(table.asString("HLA_DO1"), number(40)) << "the table stands on the current row";
    EXPECT_EQ(window.estimatedTop(), 35);

    EXPECT_EQ(window.moveCurrent(-7), -7);
    EXPECT_EQ(table.asString("HLA_DO1"), number(33));
    EXPECT_EQ(window.rows().front().cells[0], number(33));

    window.first();
    EXPECT_EQ(shown(window).front(), number(1));
    EXPECT_EQ(window.estimatedTop(), 0);
    EXPECT_EQ(window.scroll(-3), 0) << "nothing before the first row";
    EXPECT_EQ(window.scroll(20), 20) << "a long way is stepped without reading every row";
    EXPECT_EQ(shown(window).front(), number(21));
    window.scrollTo(1000);
    EXPECT_EQ(shown(window).back(), number(40));
    EXPECT_EQ(table.skip(-3), -3);
    EXPECT_EQ(table.skip(-100), -36);
    EXPECT_TRUE(table.bof());
}

TEST_F(TableWindowTest, FewerRowsLeaveOutWhatAReadingWouldNotShow)
{
    DbfTable& table = company.data().Faktury;
    for (const int moved : {0, -3, -30, -39}) {
        SCOPED_TRACE(moved);
        TableWindow window(table, readNumber);
        window.setCapacity(12);
        window.last();
        window.moveCurrent(moved);
        window.setCapacity(5);
        const auto kept = shown(window);
        const int row = window.currentRow();
        const int top = window.estimatedTop();
        EXPECT_EQ(kept.size(), 5u);
        EXPECT_EQ(table.asString("HLA_DO1"), kept.at(row)) << "the table stands on the current row";
        window.refresh();
        EXPECT_EQ(shown(window), kept);
        EXPECT_EQ(window.currentRow(), row);
        EXPECT_EQ(window.estimatedTop(), top);
    }
}

TEST_F(TableWindowTest, ShowsOnlyTheDocumentsRowsAndSkipsDeletedOnes)
{
    TData& data = company.data();
    ScopedTableOpen open(data, data.Vypisy, "DO1");
    DbfTable& table = data.Vypisy;
    const std::string document = "F00012";
    table.setKeyRange(document, document);
    ASSERT_TRUE(table.locate({"VYP_HOD"}, {FieldValue(300.0)}));
    table.deleteRecord();
    table.first();
    TableWindow window(table, [](const DbfTable& t, WindowRow& row) { row.cells = {std::to_string(int(t.asFloat("VYP_HOD")))}; },
                       [&](const DbfTable& t) { return sameNumber(t.asString("VYP_DO1"), document); });
    window.setCapacity(10);
    window.first();
    EXPECT_EQ(shown(window), (std::vector<std::string>{"100", "400"}));
    EXPECT_EQ(window.estimatedCount(), 2) << "a list that fits knows its size";
}

TEST_F(TableWindowTest, RefreshShowsWhatAnotherProcessAddedAndChanged)
{
    DbfTable& table = company.data().Faktury;
    TableWindow window(table, [](const DbfTable& t, WindowRow& row) {
        row.cells = {t.asString("HLA_DO1"), t.asString("HLA_OBC")};
    });
    window.setCapacity(4);
    window.last();
    window.moveCurrent(-1);
    const std::uint32_t current = window.currentRecord();
    const std::string directory = table.directory();
    const std::string name = table.tableName();
    ChildProcess other([&](Channel& channel) {
        DbfTable writer;
        writer.setDirectory(directory);
        writer.setTableName(name);
        writer.open();
        writer.attachIndexFile(std::filesystem::path(name).stem().string());
        writer.selectTag("DO1");
        writer.append();
        writer.setString("HLA_DO1", number(41));
        writer.post();
        if (!writer.seek(number(39)))
            return 1;
        writer.edit();
        writer.setString("HLA_OBC", "007");
        writer.post();
        channel.send('w');
        return 0;
    });
    ASSERT_EQ(other.channel().receive(), 'w');
    ASSERT_EQ(other.wait(), 0);

    window.refresh();
    EXPECT_EQ(window.currentRecord(), current) << "the current record keeps its row";
    EXPECT_EQ(window.currentRow(), 2);
    EXPECT_EQ(window.rows()[2].cells, (std::vector<std::string>{number(39), "007"}));
    EXPECT_EQ(window.rows()[3].cells[0], number(40));
    window.last();
    EXPECT_EQ(window.rows().back().cells[0], number(41));
}
