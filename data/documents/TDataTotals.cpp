// TData's document totals: the items of a document folded into DokladObsah,
// the document discounts, and the header recomputation.
#include "data/company/TData.h"

#include "data/documents/DiscountRecord.h"
#include "data/documents/DocumentItems.h"
#include "data/documents/DocumentJournal.h"
#include "data/documents/DocumentRows.h"
#include "data/documents/PaidState.h"
#include "data/documents/PaymentStatus.h"
#include "data/table/LockRecordWithRetry.h"
#include "data/table/ScopedTableOpen.h"
#include "platform/Error.h"

namespace tarvela {

namespace {

DbfTable& headerTable(TData& data, int kind)
{
    if (kind == kInvoiceKind)
        return data.Faktury;
    if (kind == kCreditNoteKind)
        return data.Dobropisy;
    throw Error("Unknown document kind " + std::to_string(kind));
}

// The discounts of each document, all read under one index lock.
std::vector<std::vector<DocumentDiscount>> discountsOfDocuments(TData& data, const std::vector<std::string>& documents)
{
    ScopedTableOpen open(data, data.FaktSlevy, "DO1");
    data.FaktSlevy.selectTag("DO1");
    std::vector<std::vector<DocumentDiscount>> discounts(documents.size());
    forEachRowOfDocuments(data.FaktSlevy, "FAS_FAK", documents,
                          [&](std::size_t document) { discounts[document].push_back(readDiscount(data.FaktSlevy)); });
    return discounts;
}

std::vector<DocumentDiscount> discountsOf(TData& data, const std::string& document)
{
    return std::move(discountsOfDocuments(data, {document}).front());
}

// The discounts that neither reduce the VAT base nor are spread into the
// items, as the header keeps them in HLA_SBD.
double discountsKeptApart(TData& data, const std::string& document)
{
    double sum = 0;
    for (const DocumentDiscount& discount : discountsOf(data, document))
        if (isKeptApart(discount))
            sum += discount.amount;
    return sum;
}

ItemLine readItemLine(const DbfTable& denik, int kind, int priceBasis)
{
    return itemLineOf(kind, denik.asInteger("DEN_KUS"), denik.asFloat("DEN_HPC"), denik.asFloat("DEN_HNC"),
                      denik.asFloat("DEN_DAN"), priceBasis);
}

// Writes the folded items as the rows of DokladObsah, its fields looked up
// once for all of them.
void fillDokladObsah(MemTable& rows, const std::vector<ItemSum>& items, const std::string& document)
{
    const MemSchema& fields = rows.schema();
    const std::size_t card = fields.indexOf("DOK_KAV"), variant = fields.indexOf("DOK_IND"),
                      quantity = fields.indexOf("DOK_KUS"), selling = fields.indexOf("DOK_PCC"),
                      cost = fields.indexOf("DOK_NCC"), rate = fields.indexOf("DOK_DAN"),
                      vat = fields.indexOf("DOK_DPH"), number = fields.indexOf("DOK_CIS");
    for (const ItemSum& item : items) {
        rows.append();
        rows.setString(card, item.card);
        rows.setString(variant, item.variant);
        rows.setFloat(quantity, item.sum.quantity);
        rows.setFloat(selling, item.sum.sellingValue);
        rows.setFloat(cost, item.sum.cost);
        rows.setFloat(rate, item.sum.vatRate);
        rows.setFloat(vat, item.sum.vat);
        rows.setString(number, document);
        rows.post();
    }
}

struct CollectedItems {
    std::vector<ItemSum> items;
    double cost = 0;  // of the lines, summed in journal order
};

// The journal lines of each document folded in a plain list, all read under
// one index lock; the totals read the list in the order DokladObsah's rows
// stand in.
std::vector<CollectedItems> itemsOfDocuments(TData& data, const std::vector<std::string>& documents, int kind)
{
    std::vector<CollectedItems> collected(documents.size());
    forEachJournalLineOfDocuments(data, documents, [&](std::size_t document) {
        const ItemLine line = readItemLine(data.Denik, kind, data.settings().priceBasis);
        addItemLine(collected[document].items, data.Denik.asString("DEN_KAV"), data.Denik.asString("DEN_IND"), line);
        collected[document].cost += line.cost;
    });
    return collected;
}

std::vector<ItemSum> collectItems(TData& data, const std::string& document, int kind)
{
    DbfTable& header = headerTable(data, kind);
    CollectedItems collected = std::move(itemsOfDocuments(data, {document}, kind).front());
    fillDokladObsah(data.DokladObsah, collected.items, document);
    if (header.state() == DbfTable::State::Edit) {
        header.setFloat("HLA_NCA", collected.cost);
        header.setFloat("HLA_SBD", discountsKeptApart(data, document));
    }
    return std::move(collected.items);
}

} // namespace

std::vector<ItemSum> TData::GetDoklad(const std::string& document)
{
    return collectItems(*this, document, kInvoiceKind);
}

std::vector<ItemSum> TData::GetDobropis(const std::string& document)
{
    return collectItems(*this, document, kCreditNoteKind);
}

DocumentTotals TData::HlaHod(const std::string& document, int kind)
{
    headerTable(*this, kind);  // refuses an unknown kind before anything is touched
    DokladObsah.open();
    DokladObsah.removeAllRows();
    const std::vector<ItemSum> items = kind == kInvoiceKind ? GetDoklad(document) : GetDobropis(document);
    return totalsOf(items, discountsOf(*this, document), settings_);
}

std::vector<DocumentTotals> TData::HlaHodOfDocuments(const std::vector<std::string>& documents, int kind)
{
    headerTable(*this, kind);  // refuses an unknown kind before anything is touched
    DokladObsah.open();
    DokladObsah.removeAllRows();
    const std::vector<CollectedItems> collected = itemsOfDocuments(*this, documents, kind);
    const std::vector<std::vector<DocumentDiscount>> discounts = discountsOfDocuments(*this, documents);
    std::vector<DocumentTotals> totals;
    totals.reserve(documents.size());
    for (std::size_t document = 0; document < documents.size(); ++document)
        totals.push_back(totalsOf(collected[document].items, discounts[document], settings_));
    if (!documents.empty())
        fillDokladObsah(DokladObsah, collected.back().items, documents.back());
    return totals;
}

bool TData::OpravaHlavicky(const std::string& document, int kind)
{
    DbfTable& header = headerTable(*this, kind);
    if (!LockRecordWithRetry(header, ui()))
        return false;
    try {
        header.edit();
        DokladObsah.open();
        DokladObsah.removeAllRows();
        const DocumentTotals totals = HlaHod(document, kind);
        header.setFloat("HLA_CUH", totals.total);
        header.setFloat("HLA_FHV", totals.roundingDifference);
        header.setFloat("HLA_Z00", totals.zeroBase);
        header.setFloat("HLA_Z05", totals.reducedBase);
        header.setFloat("HLA_Z22", totals.basicBase);
        header.setFloat("HLA_D22", totals.basicVat);
        header.setFloat("HLA_D05", totals.reducedVat);
        ScopedTableOpen payments(*this, Vypisy, "DO1");
        Vypisy.selectTag("DO1");
        setPaidState(header, sumPayments(Vypisy, document));
        header.post();
    } catch (...) {
        // The header keeps its old totals; nothing half-written is posted.
        if (header.state() != DbfTable::State::Browse)
            header.cancel();
        header.unlockRecord();
        DokladObsah.close();
        throw;
    }
    header.unlockRecord();
    DokladObsah.close();
    return true;
}

} // namespace tarvela
