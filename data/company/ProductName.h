// The name of a stock card as the lists beside the product range show it:
// sought on the tag "KAV" whatever order the range is shown in, so a search
// in the product list does not blank the names. The range keeps its tag and
// current record; it must be open and not being edited, or the name is empty.
#pragma once

#include <string>

namespace tarvela {

class DbfTable;

std::string productName(DbfTable& range, const std::string& card);

} // namespace tarvela
