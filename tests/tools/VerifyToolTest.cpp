// tarvela-dbf verify as a user runs it: the exit status tells a clean company
// (0) from one with findings (1) and from one with a table it cannot read (2).
#include <gtest/gtest.h>

#include "support/CompanyFixture.h"
#include "support/TableBuilder.h"
#include "support/ToolRun.h"
#include "data/catalogue/TableCatalogue.h"
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
