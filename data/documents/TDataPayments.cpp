// TData's paid sum of a document, read from its payments in Vypisy.
#include "data/company/TData.h"

#include "data/documents/PaymentStatus.h"
#include "data/table/ScopedTableOpen.h"

namespace tarvela {

namespace {

PaymentStatus paymentsOf(TData& data, const std::string& document, bool liftRange)
{
    ScopedTableOpen payments(data, data.Vypisy, "Do1");
    data.Vypisy.selectTag("Do1");
    const PaymentStatus status = sumPayments(data.Vypisy, document);
    if (liftRange)
        data.Vypisy.clearKeyRange();
    return status;
}

} // namespace

double TData::GetPlacenoFaktura(const std::string& document)
{
    return paymentsOf(*this, document, false).paidSum;
}

double TData::GetPlacenoFaktura(const std::string& document, DayNumber& paymentDate)
{
    const PaymentStatus status = paymentsOf(*this, document, true);
    paymentDate = status.lastPaymentDate;
    return status.paidSum;
}

} // namespace tarvela
