#include "commission/RowFolding.h"

namespace tarvela {

namespace {

void add(MemTable& rows, const char* field, double amount)
{
    rows.setFloat(field, rows.asFloat(field) + amount);
}

// Sale and trade-discount lines make the sold value; a code found in both
// lists counts twice, as the sibling system's rows were summed that way.
void addAmounts(MemTable& rows, const JournalLine& line, const OperationCodeLists& codes)
{
    const bool sale = isInCodeList(line.operation, codes.sales);
    const bool tradeDiscount = isInCodeList(line.operation, codes.tradeDiscount);
    for (const bool counts : {sale, tradeDiscount}) {
        if (counts) {
            add(rows, "DOK_PCC", line.value);
            add(rows, "DOK_DPH", line.vat());
        }
    }
    if (sale)
        add(rows, "DOK_PCS", line.value);
    if (tradeDiscount)
        add(rows, "DOK_RAB", line.value);
    if (isInCodeList(line.operation, codes.quantityDiscount))
        add(rows, "DOK_SLP", line.value);
    if (isInCodeList(line.operation, codes.specialDiscount))
        add(rows, "DOK_POM", line.value);
    add(rows, "DOK_NCC", line.cost);
    add(rows, "DOK_KUS", line.quantity);
}

} // namespace

void startRow(MemTable& rows, const JournalLine& line, const OperationCodeLists& codes,
              const std::string& document)
{
    rows.setString("DOK_KAV", line.card);
    rows.setString("DOK_IND", line.variant);
    addAmounts(rows, line, codes);
    rows.setFloat("DOK_DAN", line.vatRate);
    if (line.quantity != 0) {
        rows.setFloat("DOK_PC1", line.value / line.quantity);
        rows.setFloat("DOK_NC1", line.cost / line.quantity);
    }
    rows.setString("DOK_CIS", document);
}

void addLineToRow(MemTable& rows, const JournalLine& line, const OperationCodeLists& codes)
{
    addAmounts(rows, line, codes);
    const double quantity = rows.asFloat("DOK_KUS");
    if (quantity != 0) {
        rows.setFloat("DOK_PC1", rows.asFloat("DOK_PCC") / quantity);
        rows.setFloat("DOK_NC1", rows.asFloat("DOK_NCC") / quantity);
    }
}

void foldLine(MemTable& rows, const JournalLine& line, const OperationCodeLists& codes,
              const std::string& document, const std::function<void(bool isNew)>& finish)
{
    const bool isNew = !rows.locate({"DOK_KAV", "DOK_IND"}, {line.card, line.variant});
    try {
        if (isNew) {
            rows.append();
            startRow(rows, line, codes, document);
        } else {
            rows.edit();
            addLineToRow(rows, line, codes);
        }
        finish(isNew);
        rows.post();
    } catch (...) {
        rows.cancel();
        throw;
    }
}

} // namespace tarvela
