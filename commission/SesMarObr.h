// The memory table of the customer rebate report: per salesman and customer
// the cost and price-list value of the sales and the trade discount granted,
// with the margins calculated whenever a row is read. A row keeps the
// customer name of the invoice that created it.
#pragma once

#include <string>
#include <vector>

#include "data/mem/MemTable.h"

namespace tarvela {

MemTable makeSesMarObr();

// What one journal line adds to a row at share 1: a sale line its cost and
// price-list value, a trade-discount line its discount.
struct RebateAmounts {
    bool isSale = true;
    double cost = 0;       // SES_CNC
    double priceList = 0;  // SES_CPC
    double rebate = 0;     // SES_RAB
};

// Adds the lines, each multiplied by the share, to the row of (salesman,
// customer) one after the other, appending the row with the name when
// missing: the sums come out as if each line were added to the row on its
// own, while the row is found and written once. Only the fields a line
// adds to are assigned, so a row that only sales made keeps SES_RAB empty
// and one that only discounts made keeps SES_CNC and SES_CPC empty.
// The table must be open.
void addToSesMarObr(MemTable& table, const std::string& salesman, const std::string& customer,
                    const std::string& customerName, const std::vector<RebateAmounts>& lines, double share);

// The margin marker of a row or total without a cost value.
inline constexpr double kNoMargin = 999999;

// Margin on cost in percent, and a part of a value in percent; 999999 and 0
// when the base is 0.
double marginPercent(double sales, double cost);
double partPercent(double part, double whole);

} // namespace tarvela
