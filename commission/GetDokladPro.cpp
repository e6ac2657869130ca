// The commission of one document at the rates of the product groups.
#include "commission/TDataSestavy.h"

#include "commission/CardDescription.h"
#include "commission/CommissionRules.h"
#include "commission/JournalLine.h"
#include "commission/RowFolding.h"
#include "commission/SplitRecord.h"
#include "data/catalogue/TableCatalogue.h"
#include "data/documents/DocumentJournal.h"
#include "data/documents/DocumentRows.h"
#include "data/table/ScopedTableOpen.h"
#include "platform/Text.h"

namespace tarvela {

namespace {

const char* const kMissingGroupMessage = "Nenalezena skupina u karty ";

CommissionTerms termsOf(TData& data, const std::string& document, const std::string& salesman)
{
    CommissionTerms terms;
    const std::string splitIndex = indexFileOf("DelProv", data.settings().companyNumber);
    if (const auto split = findSplitRecord(data.DelProv, splitIndex, document, salesman)) {
        terms.commissionShare = split->commissionPercent / 100;
        terms.turnoverShare = split->turnoverPercent / 100;
        terms.type = split->type;
        terms.fixedRate = split->fixedRate;
    }
    ScopedTableOpen salesmen(data.Obchodnici);
    if (data.Obchodnici.locate({"OBC_KOD"}, {withoutTrailingBlanks(salesman)})) {
        terms.discountLimit = data.Obchodnici.asFloat("OBC_LIM");
        terms.reductionCoefficient = data.Obchodnici.asFloat("OBC_KRA");
    }
    return terms;
}

// Name, group and group rate of a new row's card.
void describeNewRow(TData& data, MemTable& rows, const std::string& card, DayNumber issueDate,
                    const CommissionTerms& terms)
{
    const CardDescription description = describeCard(data.Sortiment, card, issueDate);
    rows.setString("DOK_NAZ", description.name);
    rows.setString("DOK_SKU", description.group);
    if (!description.found)
        return;
    if (data.SortiSkup.locate({"SSK_SKU"}, {description.group})) {
        rows.setFloat("DOK_PSA", data.SortiSkup.asFloat("SSK_PRO"));
        return;
    }
    rows.setFloat("DOK_PSA", 0);
    if (terms.type == kGroupRateType)
        data.ui().showMessage(kMissingGroupMessage + card);
}

} // namespace

void TDataSestavy::GetDokladPro(const std::string& document, const std::string& salesCodes, DayNumber issueDate,
                                const std::string& salesman, const std::string& tradeDiscountCodes,
                                const std::string& quantityDiscountCodes, const std::string& specialDiscountCodes)
{
    const OperationCodeLists codes{salesCodes, tradeDiscountCodes, quantityDiscountCodes, specialDiscountCodes};
    const CommissionTerms terms = termsOf(data_, document, salesman);
    const bool describesCards = terms.type == kGroupRateType || terms.type == kFixedRateType;
    ScopedTableOpen groups(data_.SortiSkup);
    DokladObsahFak.open();

    forEachJournalLine(data_, document, [&] {
        const JournalLine line = readJournalLine(data_.Denik);
        foldLine(DokladObsahFak, line, codes, document, [&](bool isNew) {
            if (isNew && describesCards)
                describeNewRow(data_, DokladObsahFak, line.card, issueDate, terms);
            applyTypeRule(DokladObsahFak, terms);
            applyShare(DokladObsahFak, terms.commissionShare, terms.turnoverShare);
        });
    });
}

} // namespace tarvela
