#include <gtest/gtest.h>

#include "data/table/DbfTable.h"
#include "platform/Error.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

TableLayout layoutOf(const std::vector<std::pair<std::string, FieldKind>>& fields)
{
    TableLayout layout;
    layout.name = "Test";
    for (const auto& [name, kind] : fields) {
        LayoutField field;
        field.name = name;
        field.kind = kind;
        layout.fields.push_back(field);
    }
    return layout;
}

std::string openError(const std::filesystem::path& dir, const TableLayout& layout)
{
    DbfTable table;
    table.setDirectory(dir.string());
    table.setTableName("T.DBF");
    table.setLayout(&layout);
    try {
        table.open();
    } catch (const Error& error) {
        return error.what();
    }
    return "opened";
}

} // namespace

TEST(LayoutBinding, EveryKindMatchesItsFieldsOfTheFile)
{
    TempDir dir;
    writeTable(dir / "T.DBF", {field("A_TXT", 'C', 10), field("A_AMT", 'N', 12, 2), field("A_FLT", 'F', 10, 3),
                               field("A_CNT", 'N', 10), field("A_SML", 'N', 3), field("A_LOG", 'L', 1),
                               field("A_DAT", 'D', 8), field("A_FOREIGN", 'C', 5)},
               {});
    const TableLayout layout = layoutOf({{"a_txt", FieldKind::Character}, {"A_AMT", FieldKind::Float},
                                         {"A_FLT", FieldKind::Float}, {"A_CNT", FieldKind::Integer},
                                         {"A_SML", FieldKind::SmallInteger}, {"A_LOG", FieldKind::Logical},
                                         {"A_DAT", FieldKind::Date}, {"A_SUM", FieldKind::Computed},
                                         {"A_NAME", FieldKind::LookedUp}});
    EXPECT_EQ(openError(dir.path(), layout), "opened");
}

TEST(LayoutBinding, MissingAndMismatchedFieldsStopTheOpening)
{
    TempDir dir;
    writeTable(dir / "T.DBF", {field("A_TXT", 'C', 10), field("A_CNT", 'N', 4), field("A_AMT", 'N', 12)}, {});
    EXPECT_EQ(openError(dir.path(), layoutOf({{"A_NIC", FieldKind::Character}})), "Field 'A_NIC' not found");
    EXPECT_EQ(openError(dir.path(), layoutOf({{"A_CNT", FieldKind::Integer}})),
              "Type mismatch for field 'A_CNT', expecting: Integer actual: SmallInt");
    EXPECT_EQ(openError(dir.path(), layoutOf({{"A_AMT", FieldKind::Float}})),
              "Type mismatch for field 'A_AMT', expecting: Float actual: Integer");
    EXPECT_EQ(openError(dir.path(), layoutOf({{"A_TXT", FieldKind::Date}})),
              "Type mismatch for field 'A_TXT', expecting: Date actual: String");
}
