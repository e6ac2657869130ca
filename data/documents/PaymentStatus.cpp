#include "data/documents/PaymentStatus.h"

#include <algorithm>
#include <cmath>

#include "data/documents/DocumentRows.h"
#include "data/documents/Rounding.h"
#include "data/table/DbfTable.h"

namespace tarvela {

namespace {

long long inCents(double amount)
{
    return std::llround(RoundHalfAway(amount, 2) * 100);
}

} // namespace

bool isPaidInFull(double paidSum, double total)
{
    return inCents(paidSum) >= inCents(total);
}

PaymentStatus sumPayments(DbfTable& vypisy, const std::string& document)
{
    PaymentStatus status;
    forEachRowOfDocument(vypisy, "VYP_DO1", document, [&] {
        status.paidSum += vypisy.asFloat("VYP_HOD");
        status.lastPaymentDate = std::max(status.lastPaymentDate, vypisy.asDate("VYP_DVS"));
    });
    return status;
}

} // namespace tarvela
