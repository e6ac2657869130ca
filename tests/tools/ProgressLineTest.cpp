// The progress line of tarvela-dbf reindex and verify: drawn on standard
// error when it is a terminal (a pseudo-terminal made by script(1)), tables
// numbered 1 to m without a gap and records counted, erased at the end and
// never mixed into standard output; nothing at all when it is not a terminal.
#include <gtest/gtest.h>

#include <regex>

#include "support/TableBuilder.h"
#include "support/ToolRun.h"

using namespace tarvela::test;

namespace {

struct TableNumbers {
    bool gapless = true;
    long last = 0;
    long count = 0;
};

TableNumbers tableNumbersIn(const std::string& terminal)
{
    static const std::regex table("table ([0-9]+) of ([0-9]+) ");
    TableNumbers numbers;
    for (std::sregex_iterator it(terminal.begin(), terminal.end(), table), end; it != end; ++it) {
        const long number = std::stol((*it)[1]);
        numbers.gapless = numbers.gapless && (number == numbers.last || number == numbers.last + 1);
        numbers.last = number;
        numbers.count = std::stol((*it)[2]);
    }
    return numbers;
}

} // namespace

TEST(ProgressLine, ReindexAndVerifyShowTablesAndRecordsOnATerminalOnly)
{
    TempDir dir;
    const std::string company = (dir / "firma").string();
    ASSERT_EQ(runTool("tarvela-demo", "'" + company + "'", dir).exitCode, 0);
    const std::string tool = std::string("'") + TARVELA_BUILD_DIR + "/tools/tarvela-dbf' ";
    const std::string out = (dir / "out.txt").string();

    for (const std::string command : {"reindex", "verify"}) {
        SCOPED_TRACE(command);
        const std::string inner = tool + command + " --program-dir '" + company + "' >'" + out + "'";
        const ToolRun terminal = runCommand("script -qfec \"" + inner + "\" /dev/null", dir);

        EXPECT_EQ(terminal.exitCode, 0) << terminal.out;
        const TableNumbers numbers = tableNumbersIn(terminal.out);
        EXPECT_TRUE(numbers.gapless) << terminal.out;
        EXPECT_GT(numbers.count, 50);
        EXPECT_EQ(numbers.last, numbers.count) << terminal.out;
        EXPECT_NE(terminal.out.find(" records\033[K"), std::string::npos);
        EXPECT_TRUE(terminal.out.ends_with("\r\033[K")) << "the line is erased at the end";
        EXPECT_EQ(readBytes(out).find("table "), std::string::npos);

        const ToolRun plain = runTool("tarvela-dbf", command + " --program-dir '" + company + "'", dir);
        EXPECT_EQ(plain.exitCode, 0);
        EXPECT_EQ(plain.err, "");
    }
}

#ifdef TARVELA_HAVE_REPORT_TOOL
TEST(ProgressLine, ReportsForSeveralSalesmenCountDocumentsThenSalesmen)
{
    TempDir dir;
    const std::string company = (dir / "firma").string();
    ASSERT_EQ(runTool("tarvela-demo", "'" + company + "'", dir).exitCode, 0);
    const std::string arguments = "--program-dir '" + company + "' vyuctovani --all-salesmen --from 01.01.2007 "
                                  "--to 31.12.2007 --format txt --output-dir '" + dir.str() + "'";
    const std::string out = (dir / "out.txt").string();
    const std::string inner =
        std::string("'") + TARVELA_BUILD_DIR + "/tools/tarvela-report' " + arguments + " >'" + out + "'";
    const ToolRun terminal = runCommand("script -qfec \"" + inner + "\" /dev/null", dir);

    EXPECT_EQ(terminal.exitCode, 0) << terminal.out;
    static const std::regex walked("6 salesmen: ([0-9]+) of \\1 documents\033\\[K");
    EXPECT_TRUE(std::regex_search(terminal.out, walked)) << terminal.out;
    EXPECT_NE(terminal.out.find("salesman 6 of 6: writing 006 "), std::string::npos) << terminal.out;
    EXPECT_TRUE(terminal.out.ends_with("\r\033[K")) << "the line is erased at the end";
    EXPECT_EQ(readBytes(out).find("salesman "), std::string::npos);

    const ToolRun plain = runTool("tarvela-report", arguments, dir);
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.err, "");
}
#endif
