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

std::vector<DocumentDiscount> discountsOf(TData& data, const std::string& document)
{
    ScopedTableOpen open(data, data.FaktSlevy, "DO1");
    data.FaktSlevy.selectTag("DO1");
    std::vector<DocumentDiscount> discounts;
    forEachRowOfDocument(data.FaktSlevy, "FAS_FAK", document,
                         [&] { discounts.push_back(readDiscount(data.FaktSlevy)); });
    return discounts;
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

// Folds the lines in a plain list, which the totals then read in the same
// order as the rows of DokladObsah stand.
std::vector<ItemSum> collectItems(TData& data, const std::string& document, int kind)
{
    DbfTable& header = headerTable(data, kind);
    std::vector<ItemSum> items;
    double cost = 0;
    forEachJournalLine(data, document, [&] {
        const ItemLine line = readItemLine(data.Denik, kind, data.settings().priceBasis);
        addItemLine(items, data.Denik.asString("DEN_KAV"), data.Denik.asString("DEN_IND"), line);
        cost += line.cost;
    });
    fillDokladObsah(data.DokladObsah, items, document);
    if (header.state() == DbfTable::State::Edit) {
        header.setFloat("HLA_NCA", cost);
        header.setFloat("HLA_SBD", discountsKeptApart(data, document));
    }
    return items;
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
