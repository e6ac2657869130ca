// When a document's commission is paid out: the payment tests of the
// settlement reports and of the list of disallowed commissions. The delay
// is the payment date minus the due date, in days (negative when early).
#pragma once

#include "commission/DocumentHeader.h"
#include "data/documents/PaymentStatus.h"

namespace tarvela {

struct SettlementPeriod {
    DayNumber from = 0;  // inclusive
    DayNumber to = 0;    // inclusive
};

inline double delayOf(const DocumentHeader& header, DayNumber paymentDate)
{
    return double(paymentDate) - double(header.dueDate);
}

inline bool isFullyPaid(const DocumentHeader& header, const PaymentStatus& payment)
{
    return header.total > 0 && isPaidInFull(payment.paidSum, header.total);
}

// Paid in full within the period and less than `limit` days after the due date.
bool isSettled(const DocumentHeader& header, const PaymentStatus& payment, const SettlementPeriod& period,
               double limit);

// An invoice whose commission is lost: paid in full more than `limit` days
// late, or still not paid in full more than `limit` days after its due date.
struct LatePayment {
    bool listed = false;
    DayNumber paymentDate = 0;  // today for an invoice not paid in full
    double delay = 0;
};

// The invoice overview's payment filter: paid in full or not, judged on the
// absolute values, as credit notes carry both negated.
bool passesPaymentFilter(int filterIndex, double total, double paid);

LatePayment latePayment(const DocumentHeader& header, const PaymentStatus& payment, double limit, DayNumber today);

} // namespace tarvela
