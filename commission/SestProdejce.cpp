// The run of the sales by salesman (report 5): every invoice and credit note
// of the period, whatever its payment state, with its totals shared out by
// the turnover shares of its split records (or all to its own salesman),
// credit notes subtracted; written to "PrehledDleObchodniku.txt" and shown.
#include "commission/TDataSestavy.h"

#include "commission/ListReportTables.h"
#include "commission/MemTableForRun.h"
#include "commission/MemTableTextExport.h"
#include "commission/PeriodDocuments.h"
#include "commission/RunProgress.h"
#include "commission/SplitRecord.h"
#include "data/catalogue/TableCatalogue.h"

namespace tarvela {

namespace {

const char* const kTurnoverFileName = "PrehledDleObchodniku.txt";

void addDocument(TDataSestavy& sestavy, const ListedDocument& document, const DocumentAmounts& amounts)
{
    TData& data = sestavy.data();
    const std::vector<SplitRecord> splits = splitRecordsOf(
        data.DelProv, indexFileOf("DelProv", data.settings().companyNumber), document.number);
    if (splits.empty())
        return addToSesObchod(sestavy.SesObchod, document.salesman, amounts);
    // Shares that do not add up to 100 % leave the rest to nobody.
    for (const SplitRecord& split : splits)
        addToSesObchod(sestavy.SesObchod, split.salesman, amounts.times(split.turnoverPercent / 100));
}

} // namespace

void TDataSestavy::SestProdejce(const ReportRequest& asked)
{
    ReportRequest request = asked;
    request.selector = ReportSelector::SalesTurnover;
    const ListReportTables tables(*this);
    const MemTableForRun rows(SesObchod);
    SesObchod.selectIndex("Obc");
    {
        const RunProgress progress(data_.ui(), kPreparingReportData);
        for (const DocumentKind kind : {DocumentKind::Invoice, DocumentKind::CreditNote})
            forEachDocumentWithAmounts(*this, request, kind, [this](const ListedDocument& document,
                                                                    const DocumentAmounts& amounts, double) {
                addDocument(*this, document, amounts);
            });
        exportToTextFile(SesObchod, std::filesystem::path(DocumentsFolder()) / kTurnoverFileName);
    }
    SesObchod.first();
    startReport(request);
}

} // namespace tarvela
