#include "data/verify/PaidStateCheck.h"

#include "data/documents/PaymentStatus.h"
#include "data/documents/Rounding.h"
#include "data/verify/FindingText.h"

namespace tarvela {

namespace {

const char* yesNo(bool value)
{
    return value ? "Ano" : "Ne";
}

std::string paidStateDetail(const StoredHeader& header, const PaymentStatus& payments)
{
    std::string detail;
    if (!EqualInWholeCents(header.paidSum, payments.paidSum))
        appendPart(detail, "HLA_BPL " + amountText(header.paidSum) + ", payments sum to "
                               + amountText(payments.paidSum));
    if (header.paidDate != payments.lastPaymentDate)
        appendPart(detail, "HLA_BDP " + dateText(header.paidDate) + ", last payment "
                               + dateText(payments.lastPaymentDate));
    const bool paidInFull = isPaidInFull(payments.paidSum, header.totals.total);
    if (header.paid != paidInFull)
        appendPart(detail, std::string("HLA_PLA ") + yesNo(header.paid) + ", payments "
                               + amountText(payments.paidSum) + " of HLA_CUH " + amountText(header.totals.total)
                               + " say " + yesNo(paidInFull));
    return detail;
}

} // namespace

Findings checkPaidState(const CompanyBooks& books)
{
    Findings findings;
    for (const StoredHeader& header : books.headers) {
        const std::string detail = paidStateDetail(header, books.payments.of(header.number));
        if (!detail.empty())
            findings.push_back({FindingKind::PaidState, header.file, header.number, detail});
    }
    return findings;
}

} // namespace tarvela
