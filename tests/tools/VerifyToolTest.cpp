// tarvela-dbf verify as a user runs it: the exit status tells a clean company
// (0) from one with findings (1) and from one with a table it cannot read (2).
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "support/CompanyFixture.h"
#include "support/TableBuilder.h"
#include "support/ToolRun.h"
#include "data/catalogue/TableCatalogue.h"
#include "data/table/DbfTable.h"
#include "data/table/ScopedTableOpen.h"

using namespace tarvela;
using namespace tarvela::test;

TEST(DbfToolVerify, ExitStatusSaysCleanFoundOrUnreadable)
{
    CompanyFixture company;
    company.addSalesman("A", 10, 1);
    company.addGroup("G1", 5);
    company.addCard("K1", "Karta 1", "G1");
    TData& data = company.data();
    const std::string arguments = "verify --program-dir '" + company.folder().str() + "'";

    const ToolRun clean = runTool("tarvela-dbf", arguments, company.folder());
    EXPECT_EQ(clean.exitCode, 0) << clean.out << clean.err;
    EXPECT_EQ(clean.out.substr(clean.out.find('\n') + 1), "Findings: 0\n");

    {
        ScopedTableOpen cards(data, data.Sortiment, "");
        data.Sortiment.append();
        data.Sortiment.setString("SOR_KAV", "K2");
        data.Sortiment.setString("SOR_SKO", "G1");
        data.Sortiment.post();
    }
    const ToolRun found = runTool("tarvela-dbf", arguments, company.folder());
    EXPECT_EQ(found.exitCode, 1) << found.out << found.err;
    const std::string cardFile = tableFileOf("Sortiment", "0001") + ".DBF";
    EXPECT_NE(found.out.find("\ngroup\t" + cardFile + "\tK2\tSOR_SKU is blank\nFindings: 1\n"), std::string::npos)
        << found.out;

    const std::string journalFile = tableFileOf("Denik", "0001") + ".DBF";
    writeBytes(company.dataDirectory() + journalFile, "Tohle není tabulka, jen text dost dlouhý na hlavičku.\n");
    const ToolRun unreadable = runTool("tarvela-dbf", arguments, company.folder());
    EXPECT_EQ(unreadable.exitCode, 2);
    EXPECT_NE(unreadable.err.find(journalFile), std::string::npos) << unreadable.err;
    EXPECT_EQ(unreadable.out, "");
}

namespace {

void forEachRecord(const std::string& dataDirectory, const std::string& member, const std::function<void(DbfTable&)>& visit)
{
    DbfTable table;
    table.setDirectory(dataDirectory);
    table.setTableName(tableFileOf(member, "0001"));
    ScopedTableOpen open(table);
    for (table.first(); !table.eof(); table.next())
        visit(table);
}

// Planted anomalies counted straight from the files: headers without a
// salesman, cards without a current group, and cards on documents issued
// before 2007 without an old group.
int plantedAnomalies(const std::string& dataDirectory)
{
    int count = 0;
    std::set<std::string> beforeRegrouping;
    for (const char* member : {"Faktury", "Dobropisy"})
        forEachRecord(dataDirectory, member, [&](DbfTable& header) {
            count += header.asString("HLA_OBC").empty();
            if (header.asDate("HLA_DVS") < toDayNumber({2007, 1, 1}))
                beforeRegrouping.insert(header.asString("HLA_DO1"));
        });
    std::set<std::string> oldGroupCards;
    forEachRecord(dataDirectory, "Denik", [&](DbfTable& line) {
        if (beforeRegrouping.contains(line.asString("DEN_DOK")))
            oldGroupCards.insert(line.asString("DEN_KAV"));
    });
    forEachRecord(dataDirectory, "Sortiment", [&](DbfTable& card) {
        count += card.asString("SOR_SKU").empty();
        count += card.asString("SOR_SKO").empty() && oldGroupCards.contains(card.asString("SOR_KAV"));
    });
    return count;
}

int findingsOf(const ToolRun& run)
{
    const auto at = run.out.rfind("Findings: ");
    return at == std::string::npos ? -1 : std::stoi(run.out.substr(at + 10));
}

} // namespace

TEST(DbfToolVerify, FindsExactlyWhatTheDemoAnomaliesPlantAndNothingOnTheConsistentDemo)
{
    TempDir dir;
    for (const std::string& options : {std::string(), std::string(" --anomalies")}) {
        const std::string company = (dir / (options.empty() ? "clean" : "anomalies")).string();
        ASSERT_EQ(runTool("tarvela-demo", "'" + company + "'" + options, dir).exitCode, 0);
        const int planted = plantedAnomalies(company + "/data/");
        const ToolRun run = runTool("tarvela-dbf", "verify --program-dir '" + company + "'", dir);
        EXPECT_EQ(run.exitCode, planted == 0 ? 0 : 1) << run.err;
        EXPECT_EQ(findingsOf(run), planted) << run.out;
        if (!options.empty())
            EXPECT_GT(planted, 0);
    }
}
