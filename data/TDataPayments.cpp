// TData's paid sum of a document, read from its payments in Vypisy.
#include "data/TData.h"

#include "data/PaymentStatus.h"
#include "data/ScopedTableOpen.h"

namespace tarvela {

namespace {

PaymentStatus paymentsOf(TData& data, const std::string& document, bool liftRange)
{
    ScopedTableOpen payments(data.Vypisy, [&] { data.OpenVyp(0, "Do1"); }, [&] { data.CloseVyp(); });
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
