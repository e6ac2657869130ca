// The run of the invoice overview (report 4): one row per invoice and credit
// note of the period with its totals and paid sum (credit notes negated),
// written to "PrehledFaktur.txt" and, when asked, to a spreadsheet file,
// then shown; the payment and salesman filters act while printing.
#include "commission/TDataSestavy.h"

#include "commission/BusyCursor.h"
#include "commission/ListReportTables.h"
#include "commission/MemTableForRun.h"
#include "commission/MemTableTextExport.h"
#include "commission/MemTableXlsExport.h"
#include "commission/PeriodDocuments.h"
#include "commission/RunProgress.h"
#include "commission/SesFakMem.h"

namespace tarvela {

namespace {

const char* const kOverviewFileName = "PrehledFaktur.txt";
const char* const kOverviewXlsName = "Přehled faktur";
const char* const kXlsFailed = "Nejze komunikovat s MS Excel";

// A failed spreadsheet costs the user only the spreadsheet.
void exportSpreadsheet(TDataSestavy& sestavy)
{
    Ui& ui = sestavy.data().ui();
    const BusyCursor busy(ui);
    if (sestavy.SesFakMem.isEmpty())
        return;
    try {
        exportToXlsFile(sestavy.SesFakMem, datedXlsPath(sestavy.DocumentsFolder(), kOverviewXlsName, sestavy.Today()),
                        ui);
    } catch (const std::exception&) {
        ui.showMessage(kXlsFailed);
    }
}

} // namespace

void TDataSestavy::SesPrehFak(const ReportRequest& asked)
{
    ReportRequest request = asked;
    request.selector = ReportSelector::InvoiceOverview;
    const ListReportTables tables(*this);
    const MemTableForRun rows(SesFakMem);
    {
        const RunProgress progress(data_.ui(), kPreparingReportData);
        for (const DocumentKind kind : {DocumentKind::Invoice, DocumentKind::CreditNote})
            forEachDocumentWithAmounts(*this, request, kind, [this](const DocumentBatch& documents,
                                                                    const std::vector<DocumentAmounts>& amounts,
                                                                    double sign) {
                std::vector<double> paid = data_.GetPlacenoFaktury(numbersOf(documents));
                for (double& sum : paid)
                    sum *= sign;
                appendToSesFakMem(SesFakMem, documents, amounts, paid);
            });
        exportToTextFile(SesFakMem, std::filesystem::path(DocumentsFolder()) / kOverviewFileName);
        if (request.exportXls)
            exportSpreadsheet(*this);
    }
    SesFakMem.first();
    startReport(request);
}

} // namespace tarvela
