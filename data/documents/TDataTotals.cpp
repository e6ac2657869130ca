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

// The discounts that neither reduce the VAT base nor are spread into the
// items, as the header keeps them in HLA_SBD.
double discountsKeptApart(TData& data, const std::string& document)
{
    ScopedTableOpen discounts(data, data.FaktSlevy, "DO1");
    data.FaktSlevy.selectTag("DO1");
    double sum = 0;
    forEachRowOfDocument(data.FaktSlevy, "FAS_FAK", document, [&] {
        const DocumentDiscount discount = readDiscount(data.FaktSlevy);
        if (isKeptApart(discount))
            sum += discount.amount;
    });
    return sum;
}

ItemLine readItemLine(const DbfTable& denik, int kind, int priceBasis)
{
    return itemLineOf(kind, denik.asInteger("DEN_KUS"), denik.asFloat("DEN_HPC"), denik.asFloat("DEN_HNC"),
                      denik.asFloat("DEN_DAN"), priceBasis);
}

void addItemToDokladObsah(MemTable& rows, const DbfTable& denik, const ItemLine& line, const std::string& document)
{
    if (rows.locate({"DOK_KAV", "DOK_IND"}, {denik.asString("DEN_KAV"), denik.asString("DEN_IND")})) {
        rows.edit();
        rows.setFloat("DOK_KUS", rows.asFloat("DOK_KUS") + line.quantity);
        rows.setFloat("DOK_PCC", rows.asFloat("DOK_PCC") + line.sellingValue);
        rows.setFloat("DOK_NCC", rows.asFloat("DOK_NCC") + line.cost);
        rows.setFloat("DOK_DPH", rows.asFloat("DOK_DPH") + line.vat);
    } else {
        rows.append();
        rows.setString("DOK_KAV", denik.asString("DEN_KAV"));
        rows.setString("DOK_IND", denik.asString("DEN_IND"));
        rows.setFloat("DOK_KUS", line.quantity);
        rows.setFloat("DOK_PCC", line.sellingValue);
        rows.setFloat("DOK_NCC", line.cost);
        rows.setFloat("DOK_DAN", line.vatRate);
        rows.setFloat("DOK_DPH", line.vat);
        rows.setString("DOK_CIS", document);
    }
    rows.post();
}

void collectItems(TData& data, const std::string& document, int kind)
{
    DbfTable& header = headerTable(data, kind);
    double cost = 0;
    forEachJournalLine(data, document, [&] {
        const ItemLine line = readItemLine(data.Denik, kind, data.settings().priceBasis);
        addItemToDokladObsah(data.DokladObsah, data.Denik, line, document);
        cost += line.cost;
    });
    if (header.state() == DbfTable::State::Edit) {
        header.setFloat("HLA_NCA", cost);
        header.setFloat("HLA_SBD", discountsKeptApart(data, document));
    }
}

} // namespace

void TData::GetDoklad(const std::string& document)
{
    collectItems(*this, document, kInvoiceKind);
}

void TData::GetDobropis(const std::string& document)
{
    collectItems(*this, document, kCreditNoteKind);
}

DocumentTotals TData::HlaHod(const std::string& document, int kind)
{
    headerTable(*this, kind);  // refuses an unknown kind before anything is touched
    DocumentTotals totals;
    DokladObsah.open();
    DokladObsah.removeAllRows();
    if (kind == kInvoiceKind)
        GetDoklad(document);
    else
        GetDobropis(document);

    for (DokladObsah.first(); !DokladObsah.eof(); DokladObsah.next())
        addRowToTotals(totals, DokladObsah.asFloat("DOK_PCC"), DokladObsah.asFloat("DOK_DAN"),
                       DokladObsah.asFloat("DOK_NCC"), settings_);

    ScopedTableOpen discounts(*this, FaktSlevy, "DO1");
    FaktSlevy.selectTag("DO1");
    forEachRowOfDocument(FaktSlevy, "FAS_FAK", document,
                         [&] { addDiscountToTotals(totals, readDiscount(FaktSlevy), settings_); });
    finishTotals(totals);
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
