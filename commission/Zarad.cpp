// Whether a document holds a card for which the salesman has a commission card.
#include "commission/TDataSestavy.h"

#include <algorithm>

#include "commission/CommissionCardIndex.h"
#include "data/documents/DocumentJournal.h"

namespace tarvela {

bool TDataSestavy::Zarad(const std::string& document, const std::string& salesman)
{
    const std::vector<std::string> cards = DocumentCards(document);
    return std::ranges::any_of(cards, [&](const std::string& card) { return HasCommissionCard(salesman, card); });
}

std::vector<std::string> TDataSestavy::DocumentCards(const std::string& document)
{
    std::vector<std::string> cards;
    forEachJournalLine(data_, document, [&] { cards.push_back(data_.Denik.asString("DEN_KAV")); });
    return cards;
}

bool TDataSestavy::HasCommissionCard(const std::string& salesman, const std::string& card)
{
    std::optional<CommissionCardIndex> own;
    return cardIndex(own).find(salesman, card);
}

} // namespace tarvela
