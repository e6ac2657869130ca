// The payment values a document browser remembers while it is open, so that
// each new payment proposes the statement, its date and the payment type of
// the one recorded before it.
#pragma once

#include <string>

#include "platform/Date.h"

namespace tarvela {

struct PaymentDefaults {
    std::string lastStatement = std::string(10, ' ');
    std::string lastPaymentType = std::string(3, ' ');
    DayNumber lastStatementDate = today();
};

} // namespace tarvela
