// tarvela-report run as a program on a demo company: every commission report
// in every output format without a warning, the export file, a fixed today,
// and clear failures.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/DemoCompanySuite.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace tarvela {
namespace {

using test::runTool;
using test::TempDir;
using test::ToolRun;

class ReportTool : public test::DemoCompanySuite {
protected:
    ToolRun report(const std::string& arguments)
    {
        return runTool("tarvela-report", "--program-dir " + company().str() + " --documents " + output.str()
                                              + " --today 15.01.2008 " + arguments,
                       output);
    }

    TempDir output;
};

struct ReportCase {
    const char* arguments;
    const char* title;
};

const ReportCase kReports[] = {
    {"vyuctovani --salesman 001 --from 01.01.2007 --to 31.03.2007",
     "Vyúčtování provizí z faktur uhrazených v období od 01.01.2007 do 31.03.2007"},
    {"nevyplacene --salesman 002", "Výpis nepovolených provizí na základě dat ke dni 15.01.2008"},
    {"procenta --salesman 003 --from 01.01.2007 --to 31.12.2007",
     "Vyúčtování spec. provizí z faktur uhrazených v období od 01.01.2007 do 31.12.2007"},
    {"skupiny --salesman 004 --from 01.01.2007 --to 31.03.2007",
     "Sestava provizí za provizní skupiny z faktur uhrazených v období od 01.01.2007 do 31.03.2007"},
    {"souhrn --from 01.01.2007 --to 31.03.2007",
     "Souhrnná sestava provizí z faktur uhrazených v období od 01.01.2007 do 31.03.2007"},
};

TEST_F(ReportTool, ProducesEveryReportInEveryFormat)
{
    const std::pair<const char*, const char*> formats[] = {
        {"r.pdf", "%PDF"}, {"r.html", "<!DOCTYPE html>"}, {"r.snap", "TARVELA-SNAPSHOT"}, {"r.txt", ""}};
    for (const ReportCase& c : kReports) {
        for (const auto& [name, start] : formats) {
            const std::string file = (output / name).string();
            const ToolRun run = report(std::string(c.arguments) + " --output " + file);
            ASSERT_EQ(run.exitCode, 0) << c.arguments << " " << name << ": " << run.err;
            // The demo company without --anomalies has a group for every card.
            EXPECT_EQ(run.err.find("Nenalezena skupina"), std::string::npos) << c.arguments << ": " << run.err;
            const std::string bytes = test::readBytes(file);
            EXPECT_TRUE(bytes.starts_with(start)) << c.arguments << " " << name;
            if (std::string(name) == "r.txt") {
                EXPECT_TRUE(bytes.starts_with(std::string(c.title) + "\n")) << bytes.substr(0, 200);
            }
        }
    }
}

TEST_F(ReportTool, SummaryWritesItsTextFileAndTheSameTodayGivesTheSameReport)
{
    ASSERT_EQ(report("souhrn --from 01.01.2007 --to 31.12.2007 --output " + (output / "a.txt").string()).exitCode, 0);
    const std::string exported = test::readBytes(output / "PrehledProvizeSouhrn.txt");
    EXPECT_TRUE(exported.starts_with("\"Obchodnik\",\"Skupina\",\"Soucet CC\",\"Prov v K\xE8\",\"Cel.PC\",\r\n"));
    EXPECT_TRUE(exported.find("\r\n\"001\",\"000\",\"") != std::string::npos);
    ASSERT_EQ(report("souhrn --from 01.01.2007 --to 31.12.2007 --output " + (output / "b.txt").string()).exitCode, 0);
    EXPECT_EQ(test::readBytes(output / "a.txt"), test::readBytes(output / "b.txt"));
}

TEST_F(ReportTool, RejectsUnknownAndLaterReportsAndBadDates)
{
    const std::string out = " --output " + (output / "r.txt").string();
    ToolRun run = report("mesicni" + out);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("Unknown report 'mesicni'"), std::string::npos);
    run = report("faktury" + out);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("--from and --to are required for faktury"), std::string::npos);
    run = report("obrat --from 01.01.2007 --to 31.01.2007 --xls" + out);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("--xls does not apply to obrat"), std::string::npos);
    run = report("faktury --from 01.01.2007 --to 31.01.2007 --payments 3" + out);
    EXPECT_NE(run.err.find("Bad value for --payments: '3'"), std::string::npos);
    run = report("vyuctovani --salesman 001 --from 32.01.2007 --to 31.01.2007" + out);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("Bad date for --from: '32.01.2007'"), std::string::npos);
    run = report("souhrn --from 01.01.2007 --to 31.01.2007 --output r.doc");
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("Unknown output format"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(output / "r.txt"));
}

TEST_F(ReportTool, FailsClearlyWithoutMerkanIniOrForAnUnknownSalesman)
{
    const std::string out = " --output " + (output / "r.txt").string();
    ToolRun run = runTool("tarvela-report",
                          "--program-dir " + output.str() + " souhrn --from 01.01.2007 --to 31.01.2007" + out, output);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Merkan.ini not found in " + output.str()), std::string::npos);
    run = report("vyuctovani --salesman XYZ --from 01.01.2007 --to 31.01.2007" + out);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Salesman 'XYZ' not found"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(output / "r.txt"));
}

TEST_F(ReportTool, CreatesAMissingDocumentsFolderAndNamesTheFolderAndReasonOtherwise)
{
    const std::string period = " souhrn --from 01.01.2007 --to 31.12.2007 --output ";
    const auto documents = output / "exporty" / "2007";
    ToolRun run = runTool("tarvela-report", "--program-dir " + company().str() + " --documents " + documents.string()
                                                + period + (output / "a.txt").string(), output);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(std::filesystem::is_regular_file(documents / "PrehledProvizeSouhrn.txt"));

    const std::string notAFolder = (output / "a.txt").string();
    run = runTool("tarvela-report", "--program-dir " + company().str() + " --documents " + notAFolder + period
                                        + (output / "b.txt").string(), output);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("documents folder " + notAFolder + ": "), std::string::npos) << run.err;

    const std::string lost = (output / "chybi" / "c.txt").string();
    run = report(period + lost);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Cannot write " + lost + ": " + (output / "chybi").string() + ": No such file or directory\n");
    EXPECT_FALSE(std::filesystem::exists(output / "b.txt"));
    EXPECT_FALSE(std::filesystem::exists(output / "chybi"));
}

} // namespace
} // namespace tarvela
