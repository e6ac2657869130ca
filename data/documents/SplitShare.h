// One row of the commission split DelProv as the reports use it: which
// salesman gets what share of one document's commission and turnover.
#pragma once

#include <string>

namespace tarvela {

struct SplitShare {
    std::string salesman;  // DPR_OBC
    double commission = 0; // DPR_PRO, percent
    double turnover = 0;   // DPR_OBR, percent
    std::string type;      // DPR_TYP
};

} // namespace tarvela
