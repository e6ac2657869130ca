#include "data/documents/PaymentStatus.h"

#include <algorithm>

#include "data/documents/DocumentRows.h"
#include "data/documents/Rounding.h"
#include "data/table/DbfTable.h"

namespace tarvela {

bool isPaidInFull(double paidSum, double total)
{
    return WholeCents(paidSum) >= WholeCents(total);
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
