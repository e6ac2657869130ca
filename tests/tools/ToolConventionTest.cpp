// The conventions every tool keeps, run as processes: --help answers on
// standard output with exit 0, --version names the tool, and a mistake in
// the command line puts the usage on standard error with exit 2.
#include <gtest/gtest.h>

#include "support/ToolRun.h"

namespace tarvela {
namespace {

using test::runTool;
using test::TempDir;
using test::ToolRun;

struct ToolCase {
    const char* tool;
    const char* usageLine;  // a line every usage of the tool has
    const char* mistake;    // arguments that are a usage error
};

const ToolCase kTools[] = {
    {"tarvela-dbf", "  tarvela-dbf info FILE\n", ""},
    {"tarvela-dbf", "  tarvela-dbf info FILE\n", "info a.dbf b.dbf"},
    {"tarvela-dbf", "  tarvela-dbf info FILE\n", "dump a.dbf --index"},
    {"tarvela-demo", "tarvela-demo ADRESÁŘ [--seed N] [--scale N] [--anomalies]\n", "--seed 0 dir"},
    {"tarvela-demo", "tarvela-demo ADRESÁŘ [--seed N] [--scale N] [--anomalies]\n", ""},
#ifdef TARVELA_HAVE_REPORT_TOOL
    {"tarvela-report", "REPORT: vyuctovani, nevyplacene, procenta, skupiny, souhrn, faktury, obrat, rabat\n", "souhrn --output"},
    {"tarvela-report", "REPORT: vyuctovani, nevyplacene, procenta, skupiny, souhrn, faktury, obrat, rabat\n", ""},
#endif
};

TEST(ToolConvention, HelpVersionAndUsageErrors)
{
    TempDir dir;
    for (const ToolCase& c : kTools) {
        const ToolRun help = runTool(c.tool, "--help", dir);
        EXPECT_EQ(help.exitCode, 0) << c.tool;
        EXPECT_NE(help.out.find(c.usageLine), std::string::npos) << c.tool << ": " << help.out;
        EXPECT_EQ(help.err, "") << c.tool;

        const ToolRun version = runTool(c.tool, "--version", dir);
        EXPECT_EQ(version.exitCode, 0) << c.tool;
        EXPECT_TRUE(version.out.starts_with(std::string(c.tool) + " ")) << version.out;
        EXPECT_EQ(version.out.find('\n'), version.out.size() - 1) << version.out;

        const ToolRun mistake = runTool(c.tool, c.mistake, dir);
        EXPECT_EQ(mistake.exitCode, 2) << c.tool << ' ' << c.mistake;
        EXPECT_EQ(mistake.out, "") << c.tool << ' ' << c.mistake;
        EXPECT_TRUE(mistake.err.ends_with(help.out)) << c.tool << ' ' << c.mistake << ": " << mistake.err;
        EXPECT_GT(mistake.err.size(), help.out.size()) << "a usage error says what was wrong first";
    }
}

} // namespace
} // namespace tarvela
