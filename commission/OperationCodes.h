// Which kind of journal line an operation code stands for. A code belongs to a
// list when it occurs anywhere in the list's text ("04" is in "004"); an
// empty list, or an empty code, matches nothing.
#pragma once

#include <string>

namespace tarvela {

bool isInCodeList(const std::string& operation, const std::string& list);

struct OperationCodeLists {
    std::string sales;             // "004" invoices, "008" credit notes
    std::string tradeDiscount;     // "300"
    std::string quantityDiscount;
    std::string specialDiscount;
};

} // namespace tarvela
