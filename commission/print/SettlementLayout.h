// How the settlement, special settlement and disallowed-commission reports
// are laid out on the canvas: title block, document blocks, item tables,
// page breaks with their footers and the closing lines. The caller decides
// which documents appear; the layout only draws what it is handed, in order.
#pragma once

#include <string>

#include "commission/DocumentHeader.h"
#include "commission/SettlementBlock.h"
#include "report/TBaseReport.h"

namespace tarvela {

class MemTable;
struct SelectedDocument;

struct ItemSums {
    double soldValue = 0;       // DOK_PCC
    double priceListValue = 0;  // DOK_PCS
    double commission = 0;      // DOK_PSK
};

class SettlementLayout {
public:
    // salesmanCode goes into the credit-note footer, today into every footer.
    SettlementLayout(TBaseReport& canvas, std::string salesmanCode, DayNumber today);

    void titleBlock(const std::string& title, const std::string& salesmanName);

    // Report 1: labels and values in two cells.
    void settlementInvoiceBlock(const SettlementBlock& block);
    // Report 6: values run on after their labels.
    void disallowedInvoiceBlock(const SettlementBlock& block);
    // Report 7: the font and the page break come for every candidate that
    // passed the payment tests, the block only when it has a card of the
    // salesman.
    void prepareSpecialInvoiceBlock();
    void specialInvoiceBlock(const SettlementBlock& block);
    // Reports 1 and 7.
    void creditNoteBlock(const SettlementBlock& block);

    // Prints the rows of DokladObsahFak, first to last, adds each printed
    // row to reportSums and returns the document's sums: invoice rows with
    // DOK_PCC of 0.1 or less are left out, credit-note rows all count.
    ItemSums itemTable(MemTable& rows, DocumentKind kind, ItemSums& reportSums);
    // The same for a chosen document, whose rows are moved into `rows` for
    // the drawing and dropped after it.
    ItemSums itemTable(MemTable& rows, SelectedDocument& document, ItemSums& reportSums);

    void settlementClosingLines(const ItemSums& reportSums);
    void disallowedClosingLine(double commission);

private:
    void breakBelow(int lines);
    void breakBelowForCreditNote(int lines);
    void endPage(const std::string& leftFooter);
    void customerAndPaymentLines(const SettlementBlock& block);
    void runOnLines(const SettlementBlock& block, bool withShares);

    TBaseReport& canvas_;
    std::string salesmanCode_;
    std::string todayText_;
};

// The first `count` characters of a UTF-8 text.
std::string firstCharacters(const std::string& text, std::size_t count);

} // namespace tarvela
