// The payments of a demo document: on time, early, late, in instalments,
// partly, overpaid (sometimes refunded) or not at all. Only payments made by
// the day the demo company's data end are recorded.
#pragma once

#include <string>
#include <vector>

#include "DemoModel.h"

namespace tarvela::demo {

struct Payment {
    std::string document;
    std::string statement;
    std::string type;
    DayNumber paid = 0;
    DayNumber entered = 0;
    double amount = 0;
    bool deleted = false;  // entered by mistake and deleted again
};

struct PaymentSummary {
    double paidSum = 0;
    DayNumber lastDate = 0;
};

PaymentSummary planPayments(DemoModel& model, const std::string& document, double total,
                            DayNumber issued, DayNumber due, std::vector<Payment>& payments);

// Writes the payments in the order they were entered.
void writePayments(DemoModel& model, std::vector<Payment> payments);

} // namespace tarvela::demo
