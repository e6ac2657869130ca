// A small company copied a few hundred times, each time with one file damaged
// at random (bytes of the header flipped, random bytes anywhere, the file cut
// short), then checked, reported on and reindexed with the tools. Every run
// must end in time with a clear message or a correct result: a report over
// a damaged index is the report of the intact company unless the check
// names the index damaged, and after the reindex it always is. Damaged files
// that once failed live in tests/fixtures/damaged and are tried first.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "platform/FileNames.h"
#include "support/CompanyFixture.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

using namespace tarvela;
using namespace tarvela::test;

namespace fs = std::filesystem;

namespace {

constexpr int Damages = 240;
constexpr unsigned Seed = 1707;
constexpr const char* TimeLimit = "timeout 20 ";

DayNumber march(int day)
{
    return toDayNumber({2026, 3, day});
}

// Invoices and credit notes of salesman S1 paid in March, with items.
void addDocuments(CompanyFixture& company)
{
    company.addSalesman("S1", 22, 0.5);
    company.addGroup("G10", 10);
    company.addCard("K1", "Vrtačka příklepová", "G10");
    company.addCard("K2", "Pilka", "G10");
    for (int i = 1; i <= 12; ++i) {
        const std::string number = "F00" + std::to_string(100 + i);
        company.add("Faktury", {{"HLA_DO1", number}, {"HLA_OBC", "S1"}, {"HLA_NAC", "Odběratel " + number},
                                {"HLA_DVS", DateValue{march(1)}}, {"HLA_DSP", DateValue{march(i)}},
                                {"HLA_CUH", 100.0 * i}});
        company.addPayment(number, 100.0 * i, march(i + 2));
        company.addJournalLine(number, i % 2 ? "K1" : "K2", "004", -1, -100.0 * i);
    }
    for (int i = 1; i <= 3; ++i) {
        const std::string number = "D00" + std::to_string(100 + i);
        company.add("Dobropisy", {{"HLA_DO1", number}, {"HLA_DO2", "F00101"}, {"HLA_OBC", "S1"},
                                  {"HLA_NAC", "Odběratel " + number}, {"HLA_DVS", DateValue{march(1)}},
                                  {"HLA_DSP", DateValue{march(10)}}, {"HLA_CUH", 10.0 * i}});
        company.addPayment(number, 10.0 * i, march(12));
        company.addJournalLine(number, "K1", "008", 1, 10.0 * i);
    }
}

// Words that tell the user nothing: a follow-up error, or the standard
// library's words instead of ours.
bool hasUnclearText(const std::string& text)
{
    for (const char* unclear : {"není otevřena", "basic_string", "vector::", "std::", "bad_alloc", "stoi", "stod",
                                "stoul", "out_of_range", "invalid_argument"})
        if (text.find(unclear) != std::string::npos)
            return true;
    return false;
}

bool isClear(const std::string& message)
{
    return message.find_first_not_of(" \n") != std::string::npos && !hasUnclearText(message);
}

class DamagedCompany : public ::testing::Test {
protected:
    void SetUp() override
    {
        addDocuments(pristine);
        pristine.data();
        baseline = report(pristine.folder().path(), "baseline");
        ASSERT_EQ(baseline.exitCode, 0) << baseline.err;
        ASSERT_NE(baseline.out.find("F00105"), std::string::npos) << baseline.out;
    }

    // A copy of the company whose Merkan.ini points at the copy's data.
    fs::path copyCompany(const std::string& name)
    {
        const fs::path copy = work / name;
        fs::remove_all(copy);
        fs::create_directories(copy);
        fs::copy(pristine.folder().path() / "data", copy / "data", fs::copy_options::recursive);
        std::string ini = readBytes(pristine.folder() / "Merkan.ini");
        const std::string from = pristine.dataDirectory();
        ini.replace(ini.find(from), from.size(), (copy / "data").string() + "/");
        writeBytes(copy / "Merkan.ini", ini);
        return copy;
    }

    ToolRun run(const std::string& tool, const std::string& arguments)
    {
        return runCommand(std::string(TimeLimit) + "'" + TARVELA_BUILD_DIR + "/tools/" + tool + "' " + arguments,
                          work);
    }

    // The settlement of S1 for March; out holds the report's text.
    ToolRun report(const fs::path& company, const std::string& name)
    {
        const fs::path output = work / (name + ".txt");
        fs::remove(output);
        ToolRun result = run("tarvela-report", "--program-dir '" + company.string() + "' --today 15.04.2026 --documents '" +
                                                   work.str() + "' vyuctovani --salesman S1 --from 01.03.2026 --to 31.03.2026"
                                                   " --output '" + output.string() + "'");
        if (result.exitCode == 0)
            result.out = readBytes(output);
        return result;
    }

    void expectEndedClearly(const ToolRun& result, const std::string& what, std::initializer_list<int> codes)
    {
        EXPECT_TRUE(std::find(codes.begin(), codes.end(), result.exitCode) != codes.end())
            << what << " ended with " << result.exitCode << " (124: time limit, above: a signal)\n" << result.err;
        if (result.exitCode != 0)
            EXPECT_TRUE(isClear(result.err + result.out)) << what << ": " << result.err << result.out;
    }

    // Checks, reports on and reindexes a company whose file `damaged` is damaged.
    void judge(const fs::path& company, const std::string& damaged, const std::string& label)
    {
        SCOPED_TRACE(label + ", damaged " + damaged);
        const bool isIndex = damaged.ends_with(".cdx");
        const fs::path data = company / "data";
        const std::string stem = fs::path(damaged).stem().string();
        const auto table = findFileIgnoringCase(data.string(), stem + ".dbf");
        bool checkFoundDamage = true;
        if (table) {
            const ToolRun check = run("tarvela-dbf", "check '" + *table + "'");
            expectEndedClearly(check, "check", {0, 1, 2});
            checkFoundDamage = check.exitCode != 0;
        }
        const ToolRun before = report(company, "before");
        expectEndedClearly(before, "report", {0, 1});
        if (isIndex && before.exitCode == 0 && !checkFoundDamage)
            EXPECT_EQ(before.out, baseline.out) << "a report over an index the check calls sound differs";
        const ToolRun reindex = run("tarvela-dbf", "reindex --program-dir '" + company.string() + "'");
        EXPECT_TRUE(reindex.exitCode == 0 || reindex.exitCode == 1) << "reindex: " << reindex.exitCode << reindex.err;
        EXPECT_FALSE(hasUnclearText(reindex.out + reindex.err)) << reindex.out << reindex.err;
        if (isIndex) {
            const ToolRun after = report(company, "after");
            EXPECT_EQ(after.exitCode, 0) << after.err;
            EXPECT_EQ(after.out, baseline.out) << "the report after the reindex differs";
        }
        if (HasFailure())
            keepFailure(data / damaged, label);
    }

    // Saved for a developer to add to tests/fixtures/damaged.
    void keepFailure(const fs::path& file, const std::string& label)
    {
        const fs::path kept = fs::path(TARVELA_BUILD_DIR) / "damaged-failures" / label;
        fs::create_directories(kept);
        std::error_code ignored;
        fs::copy_file(file, kept / file.filename(), fs::copy_options::overwrite_existing, ignored);
        ADD_FAILURE() << "the damaged file is kept in " << kept.string();
    }

    CompanyFixture pristine;
    TempDir work;
    ToolRun baseline;
};

void damage(const fs::path& file, std::mt19937& random)
{
    std::string bytes = readBytes(file);
    const auto below = [&](std::size_t bound) { return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random); };
    switch (below(3)) {
    case 0:
        for (std::size_t i = 0, n = 1 + below(4); i < n && !bytes.empty(); ++i)
            bytes[below(std::min<std::size_t>(bytes.size(), 1024))] ^= static_cast<char>(1 + below(255));
        break;
    case 1:
        for (std::size_t i = 0, n = 1 + below(8); i < n && !bytes.empty(); ++i)
            bytes[below(bytes.size())] = static_cast<char>(below(256));
        break;
    default:
        bytes.resize(bytes.empty() ? 0 : below(bytes.size()));
    }
    writeBytes(file, bytes);
}

} // namespace

TEST_F(DamagedCompany, EveryRunEndsInTimeWithAClearMessageOrACorrectResult)
{
    const fs::path regressions = fs::path(TARVELA_SOURCE_DIR) / "tests" / "fixtures" / "damaged";
    if (fs::is_directory(regressions))
        for (const auto& kept : fs::recursive_directory_iterator(regressions)) {
            if (!kept.is_regular_file())
                continue;
            const fs::path company = copyCompany("regression");
            const std::string name = kept.path().filename().string();
            fs::copy_file(kept.path(), company / "data" / name, fs::copy_options::overwrite_existing);
            judge(company, name, "regression " + kept.path().parent_path().filename().string());
        }

    std::vector<std::string> files;
    for (const auto& item : fs::directory_iterator(pristine.folder().path() / "data"))
        files.push_back(item.path().filename().string());
    std::ranges::sort(files);
    std::mt19937 random(Seed);
    for (int round = 0; round < Damages && !HasFailure(); ++round) {
        const std::string file = files[std::uniform_int_distribution<std::size_t>(0, files.size() - 1)(random)];
        const fs::path company = copyCompany("round");
        damage(company / "data" / file, random);
        judge(company, file, "round " + std::to_string(round));
    }
}
