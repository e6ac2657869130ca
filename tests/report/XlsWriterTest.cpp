// The spreadsheet writer read back by an independent reader (python3-xlrd):
// every cell with its type and value, Czech text, dates without leading
// zeros, Booleans, blanks and zeros; a workbook large enough to need the
// extra allocation sectors; and a cancelled export that leaves no file.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/Date.h"
#include "report/XlsWriter.h"
#include "support/TempDir.h"

namespace tarvela {
namespace {

const char* const kPython = "/usr/bin/python3";

// One line per non-empty cell: row, column, kind and value as a reader of
// the sheet shows it (dates as d.m.yyyy).
const char* const kDumpScript = R"(import sys, xlrd
book = xlrd.open_workbook(sys.argv[1])
sheet = book.sheet_by_index(0)
out = open(sys.argv[2], "w", encoding="utf-8")
out.write("%s %d %d\n" % (sheet.name, sheet.nrows, sheet.ncols))
for r in range(sheet.nrows):
    for c in range(sheet.ncols):
        cell = sheet.cell(r, c)
        if cell.ctype == xlrd.XL_CELL_EMPTY:
            continue
        if cell.ctype == xlrd.XL_CELL_DATE:
            y, m, d, hh, mm, ss = xlrd.xldate_as_tuple(cell.value, book.datemode)
            value = "%d.%d.%d" % (d, m, y)
            kind = "date"
        elif cell.ctype == xlrd.XL_CELL_NUMBER:
            value, kind = repr(cell.value), "number"
        else:
            value, kind = cell.value, "text"
        out.write("%d\t%d\t%s\t%s\n" % (r, c, kind, value))
)";

bool readerAvailable()
{
    return std::system((std::string(kPython) + " -c 'import xlrd' 2> /dev/null").c_str()) == 0;
}

std::string readerDump(const test::TempDir& dir, const std::filesystem::path& xls)
{
    std::ofstream(dir.path() / "dump.py") << kDumpScript;
    const std::string command = std::string(kPython) + " " + (dir.path() / "dump.py").string() + " '" + xls.string()
                                + "' " + (dir.path() / "dump.txt").string();
    if (std::system(command.c_str()) != 0)
        return "reader failed";
    std::ifstream in(dir.path() / "dump.txt");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// What the reader should see, from the table itself.
std::string expectedDump(const ExportTable& table, const std::string& sheet)
{
    std::ostringstream out;
    out << sheet << " " << table.rows.size() << " " << table.labels.size() << "\n";
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
            const ExportValue& value = table.rows[r][c];
            std::string kind, text;
            if (const auto* s = std::get_if<std::string>(&value)) {
                kind = "text", text = *s;
            } else if (const auto* n = std::get_if<double>(&value)) {
                char number[64];  // shortest round trip, as the reader's repr
                kind = "number", text = std::string(number, std::to_chars(number, number + 64, *n).ptr);
                if (text.find_first_of(".e") == std::string::npos)
                    text += ".0";
            } else if (const auto* d = std::get_if<ExportDateTime>(&value)) {
                const CivilDate date = toCivilDate(DayNumber(d->value));
                kind = "date", text = std::to_string(date.day) + "." + std::to_string(date.month) + "."
                                      + std::to_string(date.year);
            } else if (const auto* b = std::get_if<ExportBool>(&value)) {
                kind = "text", text = exportBool(b->value);
            } else {
                continue;
            }
            out << r << "\t" << c << "\t" << kind << "\t" << text << "\n";
        }
    }
    return out.str();
}

TEST(XlsWriter, ReadsBackCellByCellThroughAnIndependentReader)
{
    if (!readerAvailable())
        GTEST_SKIP() << "/usr/bin/python3 with xlrd is not installed";
    test::TempDir dir;
    const ExportTable table{{"Datum", "Název", "Částka", "Plac", "Prázdné"},
                            {{ExportDateTime{double(toDayNumber({2007, 2, 1}))}, std::string("Přehled"), 1234.5,
                              ExportBool{true}, std::monostate{}},
                             {ExportDateTime{double(toDayNumber({2007, 12, 31}))}, std::string("Šumava \"Žďár\""), 0.0,
                              ExportBool{false}, std::string()},
                             {std::monostate{}, std::string("ěščřžýáíé ůú ĚŠČŘŽÝÁÍÉ ŮÚ"), -0.1, ExportBool{false},
                              7.0}}};
    const auto path = dir.path() / "Přehled faktur k 15.01.2008.xls";
    ASSERT_TRUE(writeXlsWorkbook(table, "SesFakMem", path, {}));
    EXPECT_EQ(readerDump(dir, path), expectedDump(table, "SesFakMem"));
}

TEST(XlsWriter, LargeSheetsNeedExtraAllocationSectorsAndCancelLeavesNothing)
{
    if (!readerAvailable())
        GTEST_SKIP() << "/usr/bin/python3 with xlrd is not installed";
    test::TempDir dir;
    ExportTable table;
    table.labels.assign(8, "N");
    for (int r = 0; r < 60000; ++r)
        table.rows.push_back(std::vector<ExportValue>(8, double(r)));
    const auto path = dir.path() / "big.xls";
    ASSERT_TRUE(writeXlsWorkbook(table, "Big", path, {}));
    ASSERT_GT(std::filesystem::file_size(path), 7u * 1024 * 1024);  // beyond the header's 109 FAT sectors
    const std::string dump = readerDump(dir, path);
    EXPECT_TRUE(dump.starts_with("Big 60000 8\n"));
    EXPECT_TRUE(dump.ends_with("59999\t7\tnumber\t59999.0\n"));

    int calls = 0;
    const auto cancelled = dir.path() / "cancelled.xls";
    EXPECT_FALSE(writeXlsWorkbook(table, "Big", cancelled, [&](int) { return ++calls < 100; }));
    EXPECT_EQ(calls, 100);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);  // big, dump.py, dump.txt
}

TEST(XlsWriter, RefusesATableThatDoesNotFitASheet)
{
    test::TempDir dir;
    ExportTable table;
    table.labels.assign(257, "x");
    EXPECT_THROW(writeXlsWorkbook(table, "S", dir.path() / "wide.xls", {}), std::exception);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

} // namespace
} // namespace tarvela
