// Settlement runs over damaged index files end with the first error, the
// one that names the damaged file and its repair: over a credit-note index
// that another program left stale (a key field changed without the index)
// instead of walking for ever, and over a cut card index instead of with
// the follow-up complaint that the card table is not open.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <unistd.h>

#include "SettlementFixture.h"
#include "platform/Error.h"
#include "support/ChildProcess.h"

namespace tarvela {
namespace {

using test::kMarchFrom;
using test::kMarchTo;

bool namesDamageAndRepair(const std::string& message, const std::string& indexFile)
{
    return message.find(indexFile + " is corrupted.") != std::string::npos &&
           message.find("tarvela-dbf reindex") != std::string::npos;
}

TEST(DamagedIndexReport, SettlementOverAStaleCreditNoteIndexEnds)
{
    test::SettlementCompany company;
    company.addMarchDocuments();
    TData& data = company.company.data();
    {
        DbfTable plain;
        plain.setDirectory(data.Dobropisy.directory());
        plain.setTableName(data.Dobropisy.tableName());
        plain.open();
        plain.setRecordNumber(2);
        ASSERT_EQ(plain.asString("HLA_DO1"), "D002");
        plain.edit();
        plain.setString("HLA_DO1", "A000");
        plain.post();
    }
    // The run goes in a child, so that a walk that never ends fails the test
    // after a while instead of holding up the whole suite.
    test::ChildProcess run([&](test::Channel&) {
        alarm(30);
        test::ReportSession session(company.company);
        try {
            session.sestavy.SesProvObch("S4", kMarchFrom, kMarchTo);
        } catch (const Error& error) {
            if (namesDamageAndRepair(error.what(), "Dob0001.cdx"))
                return 0;
            std::cerr << error.what() << '\n';
            return 1;
        }
        return 2;
    });
    EXPECT_EQ(run.wait(), 0) << "1: another message, 2: no message, -1: did not end";
}

TEST(DamagedIndexReport, SettlementWithACutCardIndexNamesIt)
{
    test::SettlementCompany company;
    company.addMarchDocuments();
    const std::string dataDirectory = company.company.dataDirectory();
    company.company.data();
    std::filesystem::resize_file(std::filesystem::path(dataDirectory) / "Sor0001.cdx", 700);
    test::ReportSession session(company.company);
    try {
        session.sestavy.SesProvObch("S1", kMarchFrom, kMarchTo);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_TRUE(namesDamageAndRepair(error.what(), "Sor0001.cdx")) << error.what();
    }
}

} // namespace
} // namespace tarvela
