#include "commission/PaymentTerms.h"

#include <cmath>

namespace tarvela {


bool isSettled(const DocumentHeader& header, const PaymentStatus& payment, const SettlementPeriod& period,
               double limit)
{
    const DayNumber paid = payment.lastPaymentDate;
    return period.from <= paid && paid <= period.to && isFullyPaid(header, payment)
           && delayOf(header, paid) < limit;
}

LatePayment latePayment(const DocumentHeader& header, const PaymentStatus& payment, double limit, DayNumber today)
{
    if (!(header.total > 0))
        return {};
    if (isFullyPaid(header, payment)) {
        const double delay = delayOf(header, payment.lastPaymentDate);
        return {delay > limit, payment.lastPaymentDate, delay};
    }
    const double delay = delayOf(header, today);
    return {delay > limit, today, delay};
}

bool passesPaymentFilter(int filterIndex, double total, double paid)
{
    const bool paidInFull = isPaidInFull(std::abs(paid), std::abs(total));
    switch (filterIndex) {
    case 1: return paidInFull;
    case 2: return !paidInFull;
    default: return true;  // 0 all, and any other value
    }
}

} // namespace tarvela
