// Report 1: the documents of one salesman paid in full within the period
// and within his payment limit, with their commission at product-group rates.
#include "commission/print/ReportPrints.h"

#include "commission/ReportSalesman.h"
#include "commission/print/SettlementLayout.h"
#include "commission/TDataSestavy.h"
#include "report/DateFormat.h"

namespace tarvela {

void printSettlement(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas)
{
    TData& data = sestavy.data();
    const ReportSalesman salesman = readReportSalesman(data.Obchodnici);
    SettlementLayout layout(canvas, salesman.code, sestavy.Today());
    layout.titleBlock("Vyúčtování provizí z faktur uhrazených v období od " + formatReportDate(request.period.from)
                          + " do " + formatReportDate(request.period.to),
                      salesman.name);
    SalesmanSelection selection = sestavy.selectionFor(request, salesman);
    ItemSums reportSums;
    for (SelectedDocument& document : selection.documents) {
        if (document.kind == DocumentKind::Invoice)
            layout.settlementInvoiceBlock(document.block);
        else
            layout.creditNoteBlock(document.block);
        layout.itemTable(sestavy.DokladObsahFak, document, reportSums);
    }
    layout.settlementClosingLines(reportSums);
}

} // namespace tarvela
