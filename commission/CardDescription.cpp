#include "commission/CardDescription.h"

#include "data/table/DbfTable.h"

namespace tarvela {

CardDescription describeCard(DbfTable& sortiment, const std::string& card, DayNumber documentDate)
{
    if (!sortiment.seek(card, true))
        return {false, "Sortiment " + card, "000"};
    static const DayNumber groupsChanged = toDayNumber({2007, 1, 1});
    const char* groupField = documentDate < groupsChanged ? "SOR_SKO" : "SOR_SKU";
    return {true, sortiment.asString("SOR_NAC"), sortiment.asString(groupField)};
}

} // namespace tarvela
