// Whether a document holds a card for which the salesman has a commission card.
#include "commission/TDataSestavy.h"

#include "commission/CommissionCardIndex.h"
#include "data/documents/DocumentJournal.h"

namespace tarvela {

bool TDataSestavy::Zarad(const std::string& document, const std::string& salesman)
{
    std::optional<CommissionCardIndex> own;
    CommissionCardIndex& commissionCards = cardIndex(own);
    bool found = false;
    forEachJournalLine(data_, document, [&] {
        if (commissionCards.find(salesman, data_.Denik.asString("DEN_KAV")))
            found = true;
    });
    return found;
}

} // namespace tarvela
