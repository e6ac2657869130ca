// The commission of one document at the rates of the salesman's commission
// cards: no split, no discount reduction, shares always 100 %.
#include "commission/TDataSestavy.h"

#include "commission/CardDescription.h"
#include "commission/CommissionCardIndex.h"
#include "commission/CommissionRules.h"
#include "commission/JournalLine.h"
#include "commission/RowFolding.h"
#include "data/documents/DocumentJournal.h"

namespace tarvela {

void TDataSestavy::GetDokladProKar(const std::string& document, const std::string& salesCodes,
                                   DayNumber issueDate, const std::string& salesman,
                                   const std::string& tradeDiscountCodes, const std::string& quantityDiscountCodes,
                                   const std::string& specialDiscountCodes)
{
    const OperationCodeLists codes{salesCodes, tradeDiscountCodes, quantityDiscountCodes, specialDiscountCodes};
    std::optional<CommissionCardIndex> own;
    CommissionCardIndex& commissionCards = cardIndex(own);
    DokladObsahFak.open();

    forEachJournalLine(data_, document, [&] {
        const JournalLine line = readJournalLine(data_.Denik);
        if (!commissionCards.find(salesman, line.card))
            return;
        const double cardRate = commissionCards.rate();
        foldLine(DokladObsahFak, line, codes, document, [&](bool isNew) {
            if (isNew) {
                const CardDescription description = describeCard(data_.Sortiment, line.card, issueDate);
                DokladObsahFak.setString("DOK_NAZ", description.name);
                DokladObsahFak.setString("DOK_SKU", description.group);
                if (description.found)
                    DokladObsahFak.setFloat("DOK_PSA", cardRate);
            }
            applyCardRule(DokladObsahFak);
            applyShare(DokladObsahFak, 1.0, 1.0);
        });
    });
}

} // namespace tarvela
