// The values of one document block of the settlement, card-rate and
// disallowed-commission reports: the header and what the payment tests and
// the commission split found for the salesman.
#pragma once

#include <string>

#include "commission/DocumentHeader.h"

namespace tarvela {

struct SettlementBlock {
    DocumentHeader header;
    std::string type;          // commission type shown, report 1 only
    DayNumber paymentDate = 0;
    double delay = 0;
    double paidSum = 0;
    double commissionShare = 0;  // fraction
    double turnoverShare = 0;    // fraction
};

} // namespace tarvela
