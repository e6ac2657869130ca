// Report 7: the documents paid as for the settlement that hold a card with a
// commission card of the salesman, with commission at the cards' rates.
// Every invoice is a candidate, whoever its salesman.
#include "commission/print/ReportPrints.h"

#include "commission/CommissionTablesOpen.h"
#include "data/documents/DocumentBooks.h"
#include "commission/DocumentCommission.h"
#include "commission/PaymentTerms.h"
#include "commission/ReportSalesman.h"
#include "commission/print/SettlementLayout.h"
#include "commission/TDataSestavy.h"
#include "report/DateFormat.h"

namespace tarvela {

namespace {

SettlementBlock blockOf(const DocumentHeader& header, const PaymentStatus& payment)
{
    SettlementBlock block;
    block.header = header;
    block.paymentDate = payment.lastPaymentDate;
    block.delay = delayOf(header, payment.lastPaymentDate);
    block.paidSum = payment.paidSum;
    return block;
}

void printDocument(TDataSestavy& sestavy, SettlementLayout& layout, const DocumentHeader& header,
                   DocumentKind kind, const std::string& salesman, ItemSums& reportSums)
{
    computeDocumentCommission(sestavy, header, kind, salesman, CommissionRates::CommissionCards);
    layout.itemTable(sestavy.DokladObsahFak, kind, reportSums);
    sestavy.DokladObsahFak.close();
}

// The page may already break for an invoice that the card test then drops.
void settleInvoices(TDataSestavy& sestavy, SettlementLayout& layout, const ReportSalesman& salesman,
                    const SettlementPeriod& period, const PaymentBook& payments, ItemSums& reportSums)
{
    DbfTable& invoices = sestavy.data().Faktury;
    for (invoices.first(); !invoices.eof(); invoices.next()) {
        const DocumentHeader header = readDocumentHeader(invoices);
        const PaymentStatus payment = payments.of(header.number);
        if (!isSettled(header, payment, period, salesman.paymentLimit))
            continue;
        layout.prepareSpecialInvoiceBlock();
        if (!sestavy.Zarad(header.number, salesman.code))
            continue;
        layout.specialInvoiceBlock(blockOf(header, payment));
        printDocument(sestavy, layout, header, DocumentKind::Invoice, salesman.code, reportSums);
    }
}

void settleCreditNotes(TDataSestavy& sestavy, SettlementLayout& layout, const ReportSalesman& salesman,
                       const SettlementPeriod& period, const PaymentBook& payments, ItemSums& reportSums)
{
    DbfTable& creditNotes = sestavy.data().Dobropisy;
    for (creditNotes.first(); !creditNotes.eof(); creditNotes.next()) {
        const DocumentHeader header = readDocumentHeader(creditNotes);
        if (!sestavy.Zarad(header.number, salesman.code))
            continue;
        const PaymentStatus payment = payments.of(header.number);
        if (!isSettled(header, payment, period, salesman.paymentLimit))
            continue;
        layout.creditNoteBlock(blockOf(header, payment));
        printDocument(sestavy, layout, header, DocumentKind::CreditNote, salesman.code, reportSums);
    }
}

} // namespace

void printSpecialSettlement(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas)
{
    TData& data = sestavy.data();
    const ReportSalesman salesman = readReportSalesman(data.Obchodnici);
    SettlementLayout layout(canvas, salesman.code, sestavy.Today());
    layout.titleBlock("Vyúčtování spec. provizí z faktur uhrazených v období od "
                          + formatReportDate(request.period.from) + " do " + formatReportDate(request.period.to),
                      salesman.name);
    const CommissionTablesOpen open(data);
    const TDataSestavy::CardIndexForPass cards(sestavy);
    const PaymentBook payments(data.Vypisy);
    ItemSums reportSums;
    settleInvoices(sestavy, layout, salesman, request.period, payments, reportSums);
    settleCreditNotes(sestavy, layout, salesman, request.period, payments, reportSums);
    layout.settlementClosingLines(reportSums);
}

} // namespace tarvela
