#include "data/documents/CardGroupField.h"

namespace tarvela {

const char* cardGroupField(DayNumber issueDate)
{
    static const DayNumber regrouped = toDayNumber({2007, 1, 1});
    return issueDate < regrouped ? "SOR_SKO" : "SOR_SKU";
}

} // namespace tarvela
