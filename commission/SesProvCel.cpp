// The run of the commission summary: every salesman's settled commission of
// the period, one row per salesman in the order of Obchodnici, written to
// the text file "PrehledProvizeSouhrn.txt" and then shown as report 3.
//
// All salesmen are settled in one pass over the documents: each document is
// read once, its split records and payments come from one walk of their
// tables, and it is computed for the salesmen it can count for. Each salesman's sums still grow document by
// document in tag "DO1" order, invoices before credit notes, so they come
// out exactly as if his documents were summed one salesman at a time.
#include "commission/TDataSestavy.h"

#include <filesystem>
#include <vector>

#include "commission/BusyCursor.h"
#include "commission/CommissionTablesOpen.h"
#include "data/documents/DocumentBooks.h"
#include "commission/DocumentCommission.h"
#include "commission/MemTableForRun.h"
#include "commission/MemTableTextExport.h"
#include "commission/PaymentTerms.h"
#include "commission/ReportSalesman.h"
#include "commission/ReportTablesOpen.h"
#include "commission/SalesmanShares.h"

namespace tarvela {

namespace {

const char* const kSummaryFileName = "PrehledProvizeSouhrn.txt";

// One record of Obchodnici and what it has earned so far.
struct SalesmanTotal {
    ReportSalesman salesman;
    CommissionSums sums;
    bool hasRows = false;
};

std::vector<SalesmanTotal> readSalesmen(DbfTable& obchodnici)
{
    std::vector<SalesmanTotal> salesmen;
    for (obchodnici.first(); !obchodnici.eof(); obchodnici.next())
        salesmen.push_back({readReportSalesman(obchodnici), {}, false});
    return salesmen;
}

class SummaryPass {
public:
    SummaryPass(TDataSestavy& sestavy, std::vector<SalesmanTotal>& salesmen, const SettlementPeriod& period)
        : sestavy_(sestavy), salesmen_(salesmen), payments_(sestavy.data().Vypisy),
          splits_(sestavy.data().DelProv), period_(period)
    {
    }

    void settle(DocumentKind kind)
    {
        TData& data = sestavy_.data();
        DbfTable& documents = kind == DocumentKind::Invoice ? data.Faktury : data.Dobropisy;
        for (documents.first(); !documents.eof(); documents.next())
            settleDocument(readDocumentHeader(documents), kind);
    }

private:
    void settleDocument(const DocumentHeader& header, DocumentKind kind)
    {
        const std::vector<SplitShare>& splits = splits_.of(header.number);
        const PaymentStatus payment = payments_.of(header.number);
        for (const std::string& code : candidateSalesmen(header, splits)) {
            if (!(sharesOf(header, splits, code).commission > 0))
                continue;
            for (SalesmanTotal& total : salesmen_) {
                if (total.salesman.code != code)
                    continue;
                sestavy_.data().ui().processEvents();
                if (isSettled(header, payment, period_, total.salesman.paymentLimit))
                    addCommission(total, header, kind);
            }
        }
    }

    void addCommission(SalesmanTotal& total, const DocumentHeader& header, DocumentKind kind)
    {
        computeDocumentCommission(sestavy_, header, kind, total.salesman.code, CommissionRates::ProductGroups);
        MemTable& rows = sestavy_.DokladObsahFak;
        for (rows.first(); !rows.eof(); rows.next()) {
            total.sums.priceListValue += rows.asFloat("DOK_PCS");
            total.sums.soldValue += rows.asFloat("DOK_PCC");
            total.sums.commission += rows.asFloat("DOK_PSK");
            total.hasRows = true;
        }
        rows.close();
    }

    TDataSestavy& sestavy_;
    std::vector<SalesmanTotal>& salesmen_;
    PaymentBook payments_;
    SplitBook splits_;
    SettlementPeriod period_;
};

} // namespace

void TDataSestavy::SesProvCel(DayNumber from, DayNumber to)
{
    const ReportTablesOpen tables(data_);
    const ReportRequest request{.selector = ReportSelector::Summary, .period = {from, to}};
    const MemTableForRun summary(SesProvSkup);
    {
        const BusyCursor busy(data_.ui());
        data_.ui().processEvents();
        std::vector<SalesmanTotal> salesmen = readSalesmen(data_.Obchodnici);
        {
            const CommissionTablesOpen open(data_);
            SummaryPass pass(*this, salesmen, request.period);
            pass.settle(DocumentKind::Invoice);
            pass.settle(DocumentKind::CreditNote);
        }
        for (const SalesmanTotal& total : salesmen)
            if (total.hasRows)
                addToSesProvSkup(SesProvSkup, total.salesman.code, "000", total.sums);
        exportToTextFile(SesProvSkup, std::filesystem::path(DocumentsFolder()) / kSummaryFileName);
    }
    startReport(request);
}

} // namespace tarvela
