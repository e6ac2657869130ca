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
    return sumPaymentsOfDocuments(vypisy, {document}).front();
}

std::vector<PaymentStatus> sumPaymentsOfDocuments(DbfTable& vypisy, const std::vector<std::string>& documents)
{
    std::vector<PaymentStatus> statuses(documents.size());
    forEachRowOfDocuments(vypisy, "VYP_DO1", documents, [&](std::size_t document) {
        PaymentStatus& status = statuses[document];
        status.paidSum += vypisy.asFloat("VYP_HOD");
        status.lastPaymentDate = std::max(status.lastPaymentDate, vypisy.asDate("VYP_DVS"));
    });
    return statuses;
}

} // namespace tarvela
