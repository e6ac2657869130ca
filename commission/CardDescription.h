// Name and product group of a card as a commission row shows them. The group
// of a document issued before 1 January 2007 is the card's old group.
#pragma once

#include <string>

#include "platform/Date.h"

namespace tarvela {

class DbfTable;

struct CardDescription {
    bool found = false;
    std::string name;   // "Sortiment " + card when the card is missing
    std::string group;  // "000" when the card is missing
};

// Sortiment must stand on tag "KAV".
CardDescription describeCard(DbfTable& sortiment, const std::string& card, DayNumber documentDate);

} // namespace tarvela
