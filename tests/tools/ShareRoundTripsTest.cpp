// The reports and the check as they run on a data folder on a file server
// (TARVELA_UNMAPPED: the files are read, never mapped): they write what they
// write on a local disk, go to the server a few hundred times instead of
// once or more per record, and stay right while another program appends
// documents under the lock protocol during the run.
#include <gtest/gtest.h>

#include <future>
#include <map>
#include <memory>
#include <regex>

#include "data/catalogue/TableLayout.h"
#include "data/company/TData.h"
#include "data/dbf/FieldValue.h"
#include "data/table/DbfTable.h"
#include "data/table/ScopedTableOpen.h"
#include "support/RecordingUi.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace tarvela {
namespace {

using test::runCommand;
using test::TempDir;
using test::ToolRun;

const char* const kOnShare = "TARVELA_UNMAPPED=1 TARVELA_ROUND_TRIPS=1 ";

std::string toolPath(const std::string& tool)
{
    return std::string("'") + TARVELA_BUILD_DIR + "/tools/" + tool + "' ";
}

// The count the tool printed at its end; -1 when it printed none.
long roundTripsOf(const ToolRun& run)
{
    std::smatch found;
    static const std::regex line("round trips (\\d+) ");
    return std::regex_search(run.err, found, line) ? std::stol(found[1]) : -1;
}

class ShareRoundTrips : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        company = std::make_unique<TempDir>();
        const ToolRun demo = runCommand(toolPath("tarvela-demo") + company->str() + " --seed 7 --scale 3", *company);
        ASSERT_EQ(demo.exitCode, 0) << demo.err;
    }
    static void TearDownTestSuite() { company.reset(); }

    ToolRun report(const std::string& environment, const std::string& arguments, const std::string& output)
    {
        return runCommand(environment + toolPath("tarvela-report") + "--program-dir " + company->str()
                              + " --documents " + documents.str() + " --today 15.01.2008 " + arguments
                              + " --from 01.01.2007 --to 31.12.2007 --output " + output,
                          documents);
    }

    static std::unique_ptr<TempDir> company;
    TempDir documents;
};

std::unique_ptr<TempDir> ShareRoundTrips::company;

// Far below one round trip per document: the demo company of scale 3 has
// about 3 000 invoices and 27 000 journal lines.
constexpr long kMostRoundTrips = 600;

TEST_F(ShareRoundTrips, EveryReportAndTheCheckGoToTheServerAFewHundredTimesAndWriteTheSame)
{
    const char* const reports[] = {"vyuctovani --salesman 001", "skupiny --salesman 001",
                                   "nevyplacene --salesman 001", "procenta --salesman 001",
                                   "souhrn", "faktury", "obrat", "rabat"};
    for (const char* arguments : reports) {
        SCOPED_TRACE(arguments);
        const std::string local = (documents / "local.txt").string();
        const std::string shared = (documents / "shared.txt").string();
        ASSERT_EQ(report("", arguments, local).exitCode, 0);
        const ToolRun onShare = report(kOnShare, arguments, shared);
        ASSERT_EQ(onShare.exitCode, 0) << onShare.err;
        EXPECT_EQ(test::readBytes(shared), test::readBytes(local));
        const long trips = roundTripsOf(onShare);
        EXPECT_GT(trips, 0) << onShare.err;
        EXPECT_LT(trips, kMostRoundTrips);
    }
    const ToolRun check =
        runCommand(kOnShare + toolPath("tarvela-dbf") + "verify --program-dir " + company->str(), documents);
    EXPECT_EQ(check.exitCode, 0) << check.out;
    EXPECT_GT(roundTripsOf(check), 0) << check.err;
    EXPECT_LT(roundTripsOf(check), kMostRoundTrips);
}

// Another program at work: copies of invoices, each with its journal lines,
// payments, splits and discounts, appended under the lock protocol with their index
// entries.
class DocumentCopier {
public:
    explicit DocumentCopier(const std::string& programDirectory) : data_(ui_, programDirectory)
    {
        if (!data_.DataCreate())
            throw std::runtime_error("the company cannot be opened");
    }

    void copy(const std::string& from, const std::string& to)
    {
        copyRows(data_.Faktury, "DO1", "HLA_DO1", from, to);
        copyRows(data_.Denik, "DOK", "DEN_DOK", from, to);
        copyRows(data_.Vypisy, "Do1", "VYP_DO1", from, to);
        copyRows(data_.DelProv, "DO1", "DPR_FAK", from, to);
        copyRows(data_.FaktSlevy, "DO1", "FAS_FAK", from, to);
    }

private:
    using Values = std::map<std::string, FieldValue>;

    static Values valuesOf(const DbfTable& table)
    {
        Values values;
        for (const LayoutField& field : table.layout()->fields) {
            if (!table.hasField(field.name))
                continue;
            switch (field.kind) {
            case FieldKind::Character: values[field.name] = table.asString(field.name); break;
            case FieldKind::Date: values[field.name] = DateValue{table.asDate(field.name)}; break;
            case FieldKind::Logical: values[field.name] = table.asBool(field.name); break;
            default: values[field.name] = table.asFloat(field.name);
            }
        }
        return values;
    }

    static void store(DbfTable& table, const Values& values)
    {
        for (const auto& [name, value] : values) {
            if (const auto* text = std::get_if<std::string>(&value))
                table.setString(name, *text);
            else if (const auto* date = std::get_if<DateValue>(&value))
                table.setDate(name, date->day);
            else if (const auto* flag = std::get_if<bool>(&value))
                table.setBool(name, *flag);
            else if (table.layout()->find(name)->kind == FieldKind::Float)
                table.setFloat(name, std::get<double>(value));
            else
                table.setInteger(name, static_cast<std::int32_t>(std::get<double>(value)));
        }
    }

    void copyRows(DbfTable& table, const std::string& tag, const std::string& numberField, const std::string& from,
                  const std::string& to)
    {
        const ScopedTableOpen open(data_, table, tag);
        std::vector<Values> rows;
        if (table.seek(from))
            for (; !table.eof() && table.asString(numberField) == from; table.next())
                rows.push_back(valuesOf(table));
        for (Values& row : rows) {
            row[numberField] = to;
            table.append();
            store(table, row);
            table.post();
        }
    }

    test::RecordingUi ui_;
    TData data_;
};

// The documents of the report's blocks, each with how often it has one; a
// credit note's block names its invoice on the line after its own number.
std::map<std::string, int> documentsShown(const std::string& reportText)
{
    std::map<std::string, int> shown;
    static const std::regex block("(^|\\n)Číslo (?:dobropisu \\t(\\S+)\\nČíslo faktury \\t\\S+|faktury \\t(\\S+))");
    for (auto it = std::sregex_iterator(reportText.begin(), reportText.end(), block); it != std::sregex_iterator(); ++it)
        ++shown[(*it)[2].matched ? (*it)[2] : (*it)[3]];
    return shown;
}

TEST_F(ShareRoundTrips, AReportWhileAnotherProgramAppendsShowsEveryDocumentOnceAndLeavesCleanIndexes)
{
    const std::string arguments = "vyuctovani --salesman 001";
    const std::string quietPath = (documents / "quiet.txt").string();
    ASSERT_EQ(report(kOnShare, arguments, quietPath).exitCode, 0);
    const std::map<std::string, int> quiet = documentsShown(test::readBytes(quietPath));
    ASSERT_GT(quiet.size(), 100u);

    // Every round trip of the report waits 2 ms, so that the copies land
    // while it walks the tables.
    const std::string busyPath = (documents / "busy.txt").string();
    auto run = std::async(std::launch::async, [&] {
        return report(std::string(kOnShare) + "TARVELA_ROUND_TRIP_DELAY=2000 ", arguments, busyPath);
    });
    DocumentCopier copier(company->str() + "/");
    int copies = 0;
    for (const auto& [number, times] : quiet) {
        if (!number.starts_with("F"))
            continue;  // invoices only, copied with everything that belongs to them
        copier.copy(number, "W" + std::to_string(100000 + copies++));
        if (run.wait_for(std::chrono::seconds(0)) == std::future_status::ready && copies >= 20)
            break;
    }
    const ToolRun busy = run.get();
    ASSERT_EQ(busy.exitCode, 0) << busy.err;
    ASSERT_GE(copies, 20);

    const std::map<std::string, int> shown = documentsShown(test::readBytes(busyPath));
    for (const auto& [number, times] : shown)
        EXPECT_EQ(times, 1) << number;
    for (const auto& [number, times] : quiet)
        EXPECT_TRUE(shown.contains(number)) << number;
    // The copies keep the books consistent, so any finding is damage.
    const ToolRun check = runCommand(toolPath("tarvela-dbf") + "verify --program-dir " + company->str(), documents);
    EXPECT_EQ(check.exitCode, 0) << check.out;
}

} // namespace
} // namespace tarvela
