// Report 6: the invoices of one salesman whose commission he loses because
// they were paid, or are still unpaid, later than his payment limit allows.
// The whole invoice table counts; there is no period.
#include "commission/print/ReportPrints.h"

#include "commission/CommissionTablesOpen.h"
#include "data/documents/DocumentBooks.h"
#include "commission/DocumentCommission.h"
#include "commission/PaymentTerms.h"
#include "commission/ReportSalesman.h"
#include "commission/SalesmanShares.h"
#include "commission/print/SettlementLayout.h"
#include "commission/TDataSestavy.h"
#include "report/DateFormat.h"

namespace tarvela {

void printDisallowed(TDataSestavy& sestavy, TBaseReport& canvas)
{
    TData& data = sestavy.data();
    const ReportSalesman salesman = readReportSalesman(data.Obchodnici);
    const DayNumber today = sestavy.Today();
    SettlementLayout layout(canvas, salesman.code, today);
    layout.titleBlock("Výpis nepovolených provizí na základě dat ke dni " + formatReportDate(today), salesman.name);
    const CommissionTablesOpen open(data);
    const PaymentBook payments(data.Vypisy);
    const SplitBook splits(data.DelProv);
    ItemSums reportSums;
    for (data.Faktury.first(); !data.Faktury.eof(); data.Faktury.next()) {
        const DocumentHeader header = readDocumentHeader(data.Faktury);
        const SalesmanShares shares = sharesOf(header, splits.of(header.number), salesman.code);
        if (!(shares.commission > 0))
            continue;
        const PaymentStatus payment = payments.of(header.number);
        const LatePayment late = latePayment(header, payment, salesman.paymentLimit, today);
        if (!late.listed)
            continue;
        layout.disallowedInvoiceBlock(
            {header, shares.type, late.paymentDate, late.delay, payment.paidSum, shares.commission, shares.turnover});
        computeDocumentCommission(sestavy, header, DocumentKind::Invoice, salesman.code,
                                  CommissionRates::ProductGroups);
        layout.itemTable(sestavy.DokladObsahFak, DocumentKind::Invoice, reportSums);
        sestavy.DokladObsahFak.close();
    }
    layout.disallowedClosingLine(reportSums.commission);
}

} // namespace tarvela
