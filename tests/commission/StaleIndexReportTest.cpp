// A settlement run over a credit-note index that another program left stale
// (a key field changed without the index) ends with the damage message
// naming the index file and its repair, instead of walking for ever.
#include <gtest/gtest.h>

#include <iostream>
#include <unistd.h>

#include "SettlementFixture.h"
#include "platform/Error.h"
#include "support/ChildProcess.h"

namespace tarvela {
namespace {

using test::kMarchFrom;
using test::kMarchTo;

TEST(StaleIndexReport, SettlementOverCreditNotesReportsTheDamagedIndex)
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
            const std::string message = error.what();
            if (message.find("Dob0001.cdx is corrupted.") != std::string::npos &&
                message.find("tarvela-dbf reindex") != std::string::npos)
                return 0;
            std::cerr << message << '\n';
            return 1;
        }
        return 2;
    });
    EXPECT_EQ(run.wait(), 0) << "1: another message, 2: no message, -1: did not end";
}

} // namespace
} // namespace tarvela
