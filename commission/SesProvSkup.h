// The memory table of the group report and the commission summary: sums of
// price-list value, commission and sold value per salesman and product group.
// Rows stand in the order in which their key was first added; nothing sorts.
#pragma once

#include <string>

#include "data/mem/MemTable.h"

namespace tarvela {

MemTable makeSesProvSkup();

struct CommissionSums {
    double priceListValue = 0;  // DOK_PCS
    double soldValue = 0;       // DOK_PCC
    double commission = 0;      // DOK_PSK
};

// Adds the sums to the row of (salesman, group), appending it when missing.
// The table must be open.
void addToSesProvSkup(MemTable& table, const std::string& salesman, const std::string& group,
                      const CommissionSums& sums);

} // namespace tarvela
