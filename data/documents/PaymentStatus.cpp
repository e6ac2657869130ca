#include "data/documents/PaymentStatus.h"

#include "data/table/DbfTable.h"
#include "data/documents/DocumentRows.h"

#include <algorithm>

namespace tarvela {

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
