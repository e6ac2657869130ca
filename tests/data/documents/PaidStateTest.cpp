// The header's paid sum, date and flag brought in line with the payments:
// cents decide "paid in full", only the document's own rows count, no
// payment left clears the header, and a header another program holds is
// left alone with the lock message.
#include <gtest/gtest.h>

#include "data/documents/PaidState.h"
#include "data/documents/PaymentStatus.h"
#include "data/table/ScopedTableOpen.h"
#include "support/ChildProcess.h"
#include "support/CompanyFixture.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

class PaidStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        company.add("Faktury", {{"HLA_DO1", "F00012"}, {"HLA_CUH", 1863.0}, {"HLA_PLA", true}, {"HLA_BPL", 5.0},
                                {"HLA_BDP", DateValue{44000}}});
        company.add("Faktury", {{"HLA_DO1", "F000123"}, {"HLA_CUH", 10.0}});
        company.addPayment("F00012", 532.31, 45000);
        company.addPayment("F00012", 597.89, 45020);
        company.addPayment("F00012", 732.80, 45010);
        company.addPayment("F000123", 99.0, 45100);
        invoices.emplace(data(), data().Faktury, "DO1");
        payments.emplace(data(), data().Vypisy, "DO1");
    }

    TData& data() { return company.data(); }

    bool update(const std::string& document)
    {
        EXPECT_TRUE(data().Faktury.seek(document));
        return storePaidState(data().Faktury, sumPayments(data().Vypisy, document), company.ui);
    }

    void expectHeader(bool paid, double paidSum, DayNumber date)
    {
        DbfTable& header = data().Faktury;
        header.setRecordNumber(header.recordNumber());
        EXPECT_EQ(header.asBool("HLA_PLA"), paid);
        EXPECT_DOUBLE_EQ(header.asFloat("HLA_BPL"), paidSum);
        EXPECT_EQ(header.asDate("HLA_BDP"), date);
    }

    CompanyFixture company;
    std::optional<ScopedTableOpen> invoices;
    std::optional<ScopedTableOpen> payments;
};

} // namespace

TEST_F(PaidStateTest, ThreePaymentsThatMakeTheTotalInCentsPayTheInvoice)
{
    ASSERT_TRUE(update("F00012"));
    expectHeader(true, 532.31 + 597.89 + 732.80, 45020);
    EXPECT_TRUE(company.ui.messages.empty());
}

TEST_F(PaidStateTest, OnlyTheDocumentsOwnPaymentsCountAndNoneLeftClearsTheHeader)
{
    ASSERT_TRUE(update("F000123"));
    expectHeader(true, 99.0, 45100);

    DbfTable& vypisy = data().Vypisy;
    vypisy.setKeyRange("F00012", "F00012");
    while (!vypisy.eof()) {
        if (vypisy.asString("VYP_DO1") == "F00012")
            vypisy.deleteRecord();
        else
            vypisy.next();
    }
    ASSERT_TRUE(update("F00012"));
    expectHeader(false, 0, 0);
}

TEST_F(PaidStateTest, AHeaderHeldByAnotherProgramIsLeftAsItWas)
{
    const std::string directory = data().Faktury.directory();
    const std::string name = data().Faktury.tableName();
    ChildProcess holder([&](Channel& channel) {
        DbfTable other;
        other.setDirectory(directory);
        other.setTableName(name);
        other.open();
        if (!other.locate({"HLA_DO1"}, {FieldValue(std::string("F00012"))}) || !other.lockRecord())
            return 1;
        channel.send('l');
        channel.receive();
        return 0;
    });
    ASSERT_EQ(holder.channel().receive(), 'l');
    EXPECT_FALSE(update("F00012"));
    holder.channel().send('q');
    EXPECT_EQ(holder.wait(), 0);
    ASSERT_EQ(company.ui.messages.size(), 1u);
    EXPECT_TRUE(company.ui.messages[0].starts_with("Nelze zamknout zaznam v tabulce "));
    expectHeader(true, 5.0, 44000);
}
