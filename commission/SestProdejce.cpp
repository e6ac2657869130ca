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

// Shares that do not add up to 100 % leave the rest to nobody.
void addDocument(MemTable& turnover, const ListedDocument& document, const DocumentAmounts& amounts,
                 const std::vector<SplitRecord>& splits)
{
    if (splits.empty())
        return addToSesObchod(turnover, document.salesman, amounts);
    for (const SplitRecord& split : splits)
        addToSesObchod(turnover, split.salesman, amounts.times(split.turnoverPercent / 100));
}

void addDocuments(TDataSestavy& sestavy, const DocumentBatch& documents, const std::vector<DocumentAmounts>& amounts)
{
    TData& data = sestavy.data();
    const std::vector<std::vector<SplitRecord>> splits = splitRecordsOfDocuments(
        data.DelProv, indexFileOf("DelProv", data.settings().companyNumber), numbersOf(documents));
    for (std::size_t i = 0; i < documents.size(); ++i)
        addDocument(sestavy.SesObchod, documents[i], amounts[i], splits[i]);
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
            forEachDocumentWithAmounts(*this, request, kind, [this](const DocumentBatch& documents,
                                                                    const std::vector<DocumentAmounts>& amounts,
                                                                    double) { addDocuments(*this, documents, amounts); });
        exportToTextFile(SesObchod, std::filesystem::path(DocumentsFolder()) / kTurnoverFileName);
    }
    SesObchod.first();
    startReport(request);
}

} // namespace tarvela
