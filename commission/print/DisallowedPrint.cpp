// Report 6: the invoices of one salesman whose commission he loses because
// they were paid, or are still unpaid, later than his payment limit allows.
// The whole invoice table counts; there is no period.
#include "commission/print/ReportPrints.h"

#include "commission/ReportSalesman.h"
#include "commission/print/SettlementLayout.h"
#include "commission/TDataSestavy.h"
#include "report/DateFormat.h"

namespace tarvela {

void printDisallowed(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas)
{
    TData& data = sestavy.data();
    const ReportSalesman salesman = readReportSalesman(data.Obchodnici);
    const DayNumber today = sestavy.Today();
    SettlementLayout layout(canvas, salesman.code, today);
    layout.titleBlock("Výpis nepovolených provizí na základě dat ke dni " + formatReportDate(today), salesman.name);
    SalesmanSelection selection = sestavy.selectionFor(request, salesman);
    ItemSums reportSums;
    for (SelectedDocument& document : selection.documents) {
        layout.disallowedInvoiceBlock(document.block);
        layout.itemTable(sestavy.DokladObsahFak, document, reportSums);
    }
    layout.disallowedClosingLine(reportSums.commission);
}

} // namespace tarvela
