// What has been paid of one invoice or credit note: the sum of its payments in
// Vypisy (with their signs, refunds lower it) and the latest payment date.
#pragma once

#include <string>
#include <vector>

#include "platform/Date.h"

namespace tarvela {

class DbfTable;

struct PaymentStatus {
    double paidSum = 0;
    DayNumber lastPaymentDate = 0;  // 0: no payment
};

// Whether payments of `paidSum` cover `total`, compared in whole cents
// (half away from zero): sums of binary fractions such as 532.31 + 597.89 +
// 732.80 fall a hair short of 1863.00 and must still count as paid in full.
bool isPaidInFull(double paidSum, double total);

// Sums the payments of the document on Vypisy, whose active tag must be
// "DO1". Leaves the table restricted to the document, at the end of the range.
PaymentStatus sumPayments(DbfTable& vypisy, const std::string& document);
// The same for several documents, read under one index lock.
std::vector<PaymentStatus> sumPaymentsOfDocuments(DbfTable& vypisy, const std::vector<std::string>& documents);

} // namespace tarvela
