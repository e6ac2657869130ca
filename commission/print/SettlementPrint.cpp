// Report 1: the documents of one salesman paid in full within the period
// and within his payment limit, with their commission at product-group rates.
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

namespace {

struct Books {
    PaymentBook payments;
    SplitBook splits;
};

void settleDocuments(TDataSestavy& sestavy, SettlementLayout& layout, const ReportSalesman& salesman,
                     const SettlementPeriod& period, const Books& books, DocumentKind kind, ItemSums& reportSums)
{
    TData& data = sestavy.data();
    DbfTable& documents = kind == DocumentKind::Invoice ? data.Faktury : data.Dobropisy;
    for (documents.first(); !documents.eof(); documents.next()) {
        const DocumentHeader header = readDocumentHeader(documents);
        const SalesmanShares shares = sharesOf(header, books.splits.of(header.number), salesman.code);
        if (!(shares.commission > 0))
            continue;
        const PaymentStatus payment = books.payments.of(header.number);
        if (!isSettled(header, payment, period, salesman.paymentLimit))
            continue;
        const SettlementBlock block{header, shares.type, payment.lastPaymentDate,
                                    delayOf(header, payment.lastPaymentDate), payment.paidSum,
                                    shares.commission, shares.turnover};
        if (kind == DocumentKind::Invoice)
            layout.settlementInvoiceBlock(block);
        else
            layout.creditNoteBlock(block);
        computeDocumentCommission(sestavy, header, kind, salesman.code, CommissionRates::ProductGroups);
        layout.itemTable(sestavy.DokladObsahFak, kind, reportSums);
        sestavy.DokladObsahFak.close();
    }
}

} // namespace

void printSettlement(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas)
{
    TData& data = sestavy.data();
    const ReportSalesman salesman = readReportSalesman(data.Obchodnici);
    SettlementLayout layout(canvas, salesman.code, sestavy.Today());
    layout.titleBlock("Vyúčtování provizí z faktur uhrazených v období od " + formatReportDate(request.period.from)
                          + " do " + formatReportDate(request.period.to),
                      salesman.name);
    const CommissionTablesOpen open(data);
    const Books books{PaymentBook(data.Vypisy), SplitBook(data.DelProv)};
    ItemSums reportSums;
    settleDocuments(sestavy, layout, salesman, request.period, books, DocumentKind::Invoice, reportSums);
    settleDocuments(sestavy, layout, salesman, request.period, books, DocumentKind::CreditNote, reportSums);
    layout.settlementClosingLines(reportSums);
}

} // namespace tarvela
