// What one salesman gets of one document: his shares, the commission type and
// the limits of the discount reduction. The defaults are the terms of a
// salesman without a split record and without a record of his own.
#pragma once

#include <string>

namespace tarvela {

struct CommissionTerms {
    double commissionShare = 1.0;      // DPR_PRO / 100
    double turnoverShare = 1.0;        // DPR_OBR / 100
    std::string type = "001";          // DPR_TYP
    double fixedRate = 0;              // DPR_PRS, for type "002"
    double discountLimit = 22;         // OBC_LIM
    double reductionCoefficient = 0.5; // OBC_KRA
};

inline const char* const kGroupRateType = "001";
inline const char* const kFixedRateType = "002";

} // namespace tarvela
