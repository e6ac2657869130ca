#include "commission/CardDescription.h"

#include "data/documents/CardGroupField.h"
#include "data/table/DbfTable.h"

namespace tarvela {

CardDescription describeCard(DbfTable& sortiment, const std::string& card, DayNumber documentDate)
{
    if (!sortiment.seek(card, true))
        return {false, "Sortiment " + card, "000"};
    return {true, sortiment.asString("SOR_NAC"), sortiment.asString(cardGroupField(documentDate))};
}

} // namespace tarvela
