// Paid sum and latest payment date of a document, from its rows in Vypisy.
#include <gtest/gtest.h>

#include "support/CompanyFixture.h"
#include "data/company/TData.h"
#include "data/documents/PaymentStatus.h"
#include "platform/FileFaults.h"

namespace tarvela {
namespace {

using test::CompanyFixture;

DayNumber day(int year, int month, int dayOfMonth)
{
    return toDayNumber({year, month, dayOfMonth});
}

int rowsInRange(DbfTable& table)
{
    int rows = 0;
    for (table.first(); !table.eof(); table.next())
        ++rows;
    return rows;
}

TEST(PaymentSum, AddsEveryPaymentWithItsSign)
{
    CompanyFixture company;
    company.addPayment("F001", 400.00, day(2026, 3, 1));
    company.addPayment("F001", 600.00, day(2026, 3, 5));
    company.addPayment("F002", 400.00, day(2026, 3, 1));
    company.addPayment("F002", 600.00, day(2026, 3, 5));
    company.addPayment("F002", -100.00, day(2026, 3, 6));
    company.addPayment("D001", 250.00, day(2026, 3, 6));
    TData& data = company.data();
    EXPECT_DOUBLE_EQ(data.GetPlacenoFaktura("F001"), 1000.0);
    EXPECT_DOUBLE_EQ(data.GetPlacenoFaktura("F002"), 900.0);
    EXPECT_DOUBLE_EQ(data.GetPlacenoFaktura("D001"), 250.0);
    EXPECT_DOUBLE_EQ(data.GetPlacenoFaktura("F999"), 0.0);
    EXPECT_FALSE(data.Vypisy.isOpen());
}

TEST(PaymentSum, NumbersThatArePrefixesOfEachOtherStayApart)
{
    CompanyFixture company;
    company.addPayment("F00012", 100.00, day(2026, 3, 1));
    company.addPayment("F000123", 5000.00, day(2026, 4, 1));
    TData& data = company.data();
    DayNumber paid = 0;
    EXPECT_DOUBLE_EQ(data.GetPlacenoFaktura("F00012"), 100.0);
    EXPECT_DOUBLE_EQ(data.GetPlacenoFaktura("F00012", paid), 100.0);
    EXPECT_EQ(paid, day(2026, 3, 1));
    EXPECT_DOUBLE_EQ(data.GetPlacenoFaktura("F000123"), 5000.0);
}

TEST(PaymentSum, OpenTableIsLeftRestrictedToTheDocument)
{
    CompanyFixture company;
    company.addPayment("F001", 400.00, day(2026, 3, 1));
    company.addPayment("F002", 600.00, day(2026, 3, 5));
    company.addPayment("F002", 50.00, day(2026, 3, 6));
    TData& data = company.data();
    data.OpenVyp(0, "DAT");
    data.Vypisy.setKeyRange("", "");
    data.Vypisy.selectTag("DO1");
    data.Vypisy.setKeyRange("F001", "F001");
    EXPECT_DOUBLE_EQ(data.GetPlacenoFaktura("F002"), 650.0);
    ASSERT_TRUE(data.Vypisy.isOpen());
    EXPECT_EQ(data.Vypisy.activeTag(), "DO1");
    EXPECT_TRUE(data.Vypisy.eof());
    EXPECT_EQ(rowsInRange(data.Vypisy), 2);
    data.CloseVyp();
}

TEST(PaymentDate, IsTheLatestPaymentAndTheRangeIsLifted)
{
    CompanyFixture company;
    company.addPayment("F001", 600.00, day(2026, 3, 20));
    company.addPayment("F001", 400.00, day(2026, 3, 1));
    company.addPayment("F002", 10.00, day(2026, 5, 1));
    TData& data = company.data();
    DayNumber paid = -1;
    EXPECT_DOUBLE_EQ(data.GetPlacenoFaktura("F001", paid), 1000.0);
    EXPECT_EQ(paid, day(2026, 3, 20));
    EXPECT_DOUBLE_EQ(data.GetPlacenoFaktura("F404", paid), 0.0);
    EXPECT_EQ(paid, 0);

    data.OpenVyp(0, "DAT");
    data.GetPlacenoFaktura("F001", paid);
    ASSERT_TRUE(data.Vypisy.isOpen());
    EXPECT_EQ(data.Vypisy.activeTag(), "DO1");
    EXPECT_EQ(rowsInRange(data.Vypisy), 3);
    data.CloseVyp();
}

} // namespace
} // namespace tarvela

namespace tarvela {
namespace {

// The sum of these three payments is 1862.9999999999998 in binary floating
// point: compared as it is, the invoice would stay unpaid.
// Other workstations wait for the index lock, so a document's rows are read
// under one lock however many there are.
TEST(PaymentSum, ReadsTheRowsOfADocumentUnderOneIndexLock)
{
    CompanyFixture company;
    company.addPayment("F001", 10.00, day(2026, 3, 1));
    for (int i = 1; i <= 6; ++i)
        company.addPayment("F002", 10.00 * i, day(2026, 3, i));
    TData& data = company.data();
    data.OpenVyp(0, "DO1");
    const auto locksFor = [&](const std::string& document) {
        disarmFileFaults();  // restarts the count
        data.GetPlacenoFaktura(document);
        return fileOperationCount(FileOperation::Lock);
    };
    EXPECT_EQ(locksFor("F001"), 1);
    EXPECT_EQ(locksFor("F002"), 1);
    data.CloseVyp();
}

TEST(PaidInFull, ComparesWholeCents)
{
    test::CompanyFixture company;
    for (double amount : {532.31, 597.89, 732.80})
        company.addPayment("F001", amount, toDayNumber({2026, 3, 1}));
    const double paid = company.data().GetPlacenoFaktura("F001");
    ASSERT_LT(paid, 1863.00);
    EXPECT_TRUE(isPaidInFull(paid, 1863.00));
    EXPECT_TRUE(isPaidInFull(100.004, 100.00));
    EXPECT_FALSE(isPaidInFull(99.99, 100.00));
    EXPECT_FALSE(isPaidInFull(1862.99, 1863.00));
}

} // namespace
} // namespace tarvela
