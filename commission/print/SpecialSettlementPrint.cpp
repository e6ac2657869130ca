// Report 7: the documents paid as for the settlement that hold a card with a
// commission card of the salesman, with commission at the cards' rates.
// Every invoice is a candidate, whoever its salesman.
#include "commission/print/ReportPrints.h"

#include "commission/ReportSalesman.h"
#include "commission/print/SettlementLayout.h"
#include "commission/TDataSestavy.h"
#include "report/DateFormat.h"

namespace tarvela {

void printSpecialSettlement(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas)
{
    TData& data = sestavy.data();
    const ReportSalesman salesman = readReportSalesman(data.Obchodnici);
    SettlementLayout layout(canvas, salesman.code, sestavy.Today());
    layout.titleBlock("Vyúčtování spec. provizí z faktur uhrazených v období od "
                          + formatReportDate(request.period.from) + " do " + formatReportDate(request.period.to),
                      salesman.name);
    SalesmanSelection selection = sestavy.selectionFor(request, salesman);
    ItemSums reportSums;
    for (SelectedDocument& document : selection.documents) {
        // The page may already break for an invoice that the card test then dropped.
        if (document.kind == DocumentKind::Invoice)
            layout.prepareSpecialInvoiceBlock();
        if (!document.shown)
            continue;
        if (document.kind == DocumentKind::Invoice)
            layout.specialInvoiceBlock(document.block);
        else
            layout.creditNoteBlock(document.block);
        layout.itemTable(sestavy.DokladObsahFak, document, reportSums);
    }
    layout.settlementClosingLines(reportSums);
}

} // namespace tarvela
