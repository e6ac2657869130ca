// tarvela-report for several salesmen: every file is the one the salesman's
// own run writes, salesmen without documents get none and are listed so,
// and a missing folder, a full disk or a name no file may have fail clearly
// while the whole files already written stay.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <sstream>

#include "support/DemoCompanySuite.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace tarvela {
namespace {

using test::runCommand;
using test::runTool;
using test::TempDir;
using test::ToolRun;

namespace fs = std::filesystem;

class SalesmenFiles : public test::DemoCompanySuite {
protected:
    static std::string common(const TempDir& from) { return "--program-dir " + from.str() + " --today 15.01.2008 "; }

    ToolRun several(const std::string& arguments, const fs::path& folder, const TempDir& from = company())
    {
        return runTool("tarvela-report", common(from) + arguments + " --output-dir " + folder.string(), output);
    }

    // The listed "CODE NAME: PATH" lines, by code.
    static std::map<std::string, std::string> filesListed(const std::string& listing)
    {
        static const std::regex written("([0-9A-Za-z]+) .*?: (/.+)");
        std::map<std::string, std::string> files;
        std::istringstream lines(listing);
        std::smatch match;
        for (std::string line; std::getline(lines, line);)
            if (std::regex_match(line, match, written))
                files[match[1]] = match[2];
        return files;
    }

    TempDir output;
};

TEST_F(SalesmenFiles, WritesForEverySalesmanWhatHisOwnRunWrites)
{
    const std::pair<const char*, const char*> reports[] = {
        {"vyuctovani", "--from 01.11.2007 --to 30.11.2007"},
        {"nevyplacene", ""},
        {"procenta", "--from 01.01.2007 --to 31.12.2007"},
        {"skupiny", "--from 01.10.2007 --to 31.12.2007"},
    };
    const std::pair<const char*, const char*> formats[] = {{"txt", ".txt"}, {"snapshot", ".snap"}};
    std::size_t compared = 0;
    for (const auto& [report, period] : reports) {
        for (const auto& [format, extension] : formats) {
            SCOPED_TRACE(std::string(report) + " " + format);
            const fs::path folder = output / (std::string(report) + format);
            fs::create_directory(folder);
            const ToolRun run = several(std::string(report) + " --all-salesmen " + period + " --format " + format,
                                        folder);
            ASSERT_EQ(run.exitCode, 0) << run.err;
            const auto files = filesListed(run.out);
            std::size_t none = 0;
            for (std::size_t at = run.out.find(": no documents, no file"); at != std::string::npos;
                 at = run.out.find(": no documents, no file", at + 1))
                ++none;
            EXPECT_EQ(files.size() + none, 6u) << run.out;
            EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), long(files.size()));
            for (const auto& [code, path] : files) {
                const fs::path alone = output / ("alone" + std::string(extension));
                const ToolRun own = runTool("tarvela-report",
                                            common(company()) + report + " --salesman " + code + " " + period
                                                + " --output " + alone.string(),
                                            output);
                ASSERT_EQ(own.exitCode, 0) << own.err;
                EXPECT_EQ(test::readBytes(path), test::readBytes(alone)) << path;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 24u);

    const fs::path chosen = output / "chosen";
    fs::create_directory(chosen);
    const ToolRun run = several("vyuctovani --salesmen 003,001,003 --from 01.11.2007 --to 30.11.2007", chosen);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_LT(run.out.find("003 "), run.out.find("001 ")) << run.out;
    EXPECT_EQ(filesListed(run.out).size(), 2u) << run.out;
    EXPECT_TRUE(fs::exists(chosen / "001 Novák Jiří - vyuctovani 2007-11.pdf"));
}

TEST_F(SalesmenFiles, RefusesMistakesOnTheCommandLine)
{
    const std::pair<const char*, const char*> mistakes[] = {
        {"souhrn --all-salesmen --from 01.01.2007 --to 31.01.2007", "do not apply to souhrn"},
        {"vyuctovani --all-salesmen --salesmen 001 --from 01.01.2007 --to 31.01.2007", "either --all-salesmen"},
        {"vyuctovani --all-salesmen --salesman 001 --from 01.01.2007 --to 31.01.2007", "--salesman does not go"},
        {"vyuctovani --all-salesmen --from 01.01.2007 --to 31.01.2007 --format doc", "Unknown format 'doc'"},
        {"vyuctovani --salesmen 001,,002 --from 01.01.2007 --to 31.01.2007", "Empty salesman code"},
    };
    for (const auto& [arguments, message] : mistakes) {
        const ToolRun run = several(arguments, output.path());
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_NE(run.err.find(message), std::string::npos) << arguments << ": " << run.err;
    }
    const ToolRun run = runTool("tarvela-report", common(company()) + "nevyplacene --all-salesmen", output);
    EXPECT_NE(run.err.find("--output-dir DIR is required"), std::string::npos) << run.err;
}

TEST_F(SalesmenFiles, FailsClearlyAndKeepsTheWholeFilesWritten)
{
    const std::string year = "vyuctovani --all-salesmen --from 01.01.2007 --to 31.12.2007 --format txt";
    ToolRun run = several(year, output / "missing");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Cannot write into " + (output / "missing").string() + ": No such file"), std::string::npos)
        << run.err;

    const fs::path some = output / "some";
    fs::create_directory(some);
    run = several("vyuctovani --salesmen XYZ,001 --from 01.11.2007 --to 30.11.2007", some);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Salesman 'XYZ' not found; no file written"), std::string::npos) << run.err;
    EXPECT_EQ(filesListed(run.out).size(), 1u) << run.out;

    // A disk that fills up under the larger files: writing beyond the limit
    // fails with EFBIG, set between the smallest and the largest file.
    const fs::path whole = output / "whole";
    fs::create_directory(whole);
    ASSERT_EQ(several(year, whole).exitCode, 0);
    std::vector<std::uintmax_t> sizes;
    for (const auto& entry : fs::directory_iterator(whole))
        sizes.push_back(entry.file_size());
    ASSERT_EQ(sizes.size(), 6u);
    std::ranges::sort(sizes);
    const fs::path full = output / "full";
    fs::create_directory(full);
    run = runCommand("trap '' XFSZ; exec prlimit --fsize=" + std::to_string(sizes[2]) + " '"
                         + std::string(TARVELA_BUILD_DIR) + "/tools/tarvela-report' " + common(company()) + year
                         + " --output-dir " + full.string(),
                     output);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Cannot write " + full.string() + "/"), std::string::npos) << run.err;
    const auto written = filesListed(run.out);
    EXPECT_EQ(written.size(), 3u) << run.out << run.err;
    EXPECT_EQ(std::distance(fs::directory_iterator(full), fs::directory_iterator()), long(written.size()));
    for (const auto& [code, path] : written)
        EXPECT_EQ(test::readBytes(path), test::readBytes(whole / fs::path(path).filename())) << path;

    // A salesman whose name holds a separator: his file is refused, the others are written.
    TempDir odd;
    fs::copy(company().path(), odd.path(), fs::copy_options::recursive);
    const fs::path salesmen = odd / "data" / "OBC0001.DBF";
    std::string bytes = test::readBytes(salesmen);
    const std::size_t name = bytes.find("Nov\xA0k Ji");  // in code page 852
    ASSERT_NE(name, std::string::npos);
    bytes[name + 5] = '/';
    test::writeBytes(salesmen, bytes);
    const fs::path folder = output / "odd";
    fs::create_directory(folder);
    run = several(year, folder, odd);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Cannot write " + folder.string() + "/001 Novák/Jiří - vyuctovani 2007.txt: "
                           "the salesman's code or name holds '/'"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(filesListed(run.out).size(), 5u) << run.out;
}

} // namespace
} // namespace tarvela
