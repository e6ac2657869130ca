// The colour of an invoice in the browser by its paid flag, total and due date.
#include <gtest/gtest.h>

#include "data/documents/InvoiceTint.h"

using namespace tarvela;

TEST(InvoiceTint, UnpaidPositiveInvoicesAreNavyUntilDueAndRedAfter)
{
    const DayNumber today = 45500;
    EXPECT_EQ(invoiceTint(false, 100, today, today), InvoiceTint::Unpaid);
    EXPECT_EQ(invoiceTint(false, 100, today - 1, today), InvoiceTint::Overdue);
    EXPECT_EQ(invoiceTint(true, 100, today - 1, today), InvoiceTint::Normal);
    EXPECT_EQ(invoiceTint(false, 0, today - 1, today), InvoiceTint::Normal);
    EXPECT_EQ(invoiceTint(false, -50, today - 1, today), InvoiceTint::Normal);
}
