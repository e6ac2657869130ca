// The run of the commission by product groups: the documents of the
// settlement report, computed before the report and summed per group into
// SesProvSkup. Unlike the settlement, rows of any sold value count.
#include "commission/TDataSestavy.h"

#include "commission/BusyCursor.h"
#include "commission/CommissionTablesOpen.h"
#include "data/documents/DocumentBooks.h"
#include "commission/DocumentCommission.h"
#include "commission/MemTableForRun.h"
#include "commission/PaymentTerms.h"
#include "commission/ReportSalesman.h"
#include "commission/ReportTablesOpen.h"
#include "commission/SalesmanShares.h"

namespace tarvela {

namespace {

void sumByGroup(TDataSestavy& sestavy, const ReportSalesman& salesman, const SettlementPeriod& period,
                const PaymentBook& payments, const SplitBook& splits, DocumentKind kind)
{
    TData& data = sestavy.data();
    DbfTable& documents = kind == DocumentKind::Invoice ? data.Faktury : data.Dobropisy;
    for (documents.first(); !documents.eof(); documents.next()) {
        const DocumentHeader header = readDocumentHeader(documents);
        const SalesmanShares shares = sharesOf(header, splits.of(header.number), salesman.code);
        if (!(shares.commission > 0))
            continue;
        if (!isSettled(header, payments.of(header.number), period, salesman.paymentLimit))
            continue;
        computeDocumentCommission(sestavy, header, kind, salesman.code, CommissionRates::ProductGroups);
        MemTable& rows = sestavy.DokladObsahFak;
        for (rows.first(); !rows.eof(); rows.next())
            addToSesProvSkup(sestavy.SesProvSkup, salesman.code, rows.asString("DOK_SKU"),
                             {rows.asFloat("DOK_PCS"), rows.asFloat("DOK_PCC"), rows.asFloat("DOK_PSK")});
        rows.close();
    }
}

} // namespace

void TDataSestavy::SesProvSku(const std::string& salesman, DayNumber from, DayNumber to)
{
    const ReportTablesOpen tables(data_);
    const ReportRequest request{.selector = ReportSelector::Groups, .period = {from, to}};
    const MemTableForRun groups(SesProvSkup);
    if (!locateSalesman(data_, salesman))
        return;
    const ReportSalesman located = readReportSalesman(data_.Obchodnici);
    {
        const BusyCursor busy(data_.ui());
        const CommissionTablesOpen open(data_);
        const PaymentBook payments(data_.Vypisy);
        const SplitBook splits(data_.DelProv);
        sumByGroup(*this, located, request.period, payments, splits, DocumentKind::Invoice);
        sumByGroup(*this, located, request.period, payments, splits, DocumentKind::CreditNote);
    }
    startReport(request);
}

} // namespace tarvela
