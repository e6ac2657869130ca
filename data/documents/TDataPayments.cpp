// TData's paid sums of documents, read from their payments in Vypisy.
#include "data/company/TData.h"

#include "data/documents/PaymentStatus.h"
#include "data/table/ScopedTableOpen.h"

namespace tarvela {

namespace {

std::vector<PaymentStatus> paymentsOf(TData& data, const std::vector<std::string>& documents, bool liftRange)
{
    ScopedTableOpen payments(data, data.Vypisy, "Do1");
    data.Vypisy.selectTag("Do1");
    std::vector<PaymentStatus> statuses = sumPaymentsOfDocuments(data.Vypisy, documents);
    if (liftRange)
        data.Vypisy.clearKeyRange();
    return statuses;
}

} // namespace

double TData::GetPlacenoFaktura(const std::string& document)
{
    return paymentsOf(*this, {document}, false).front().paidSum;
}

std::vector<double> TData::GetPlacenoFaktury(const std::vector<std::string>& documents)
{
    std::vector<double> paid;
    paid.reserve(documents.size());
    for (const PaymentStatus& status : paymentsOf(*this, documents, false))
        paid.push_back(status.paidSum);
    return paid;
}

double TData::GetPlacenoFaktura(const std::string& document, DayNumber& paymentDate)
{
    const PaymentStatus status = paymentsOf(*this, {document}, true).front();
    paymentDate = status.lastPaymentDate;
    return status.paidSum;
}

} // namespace tarvela
