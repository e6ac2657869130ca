// The run of the commission by product groups: the documents of the
// settlement report, computed before the report and summed per group into
// SesProvSkup. Unlike the settlement, rows of any sold value count.
#include "commission/TDataSestavy.h"

#include "commission/BusyCursor.h"
#include "commission/MemTableForRun.h"
#include "commission/ReportTablesOpen.h"

namespace tarvela {

void TDataSestavy::SesProvSku(const std::string& salesman, DayNumber from, DayNumber to)
{
    const ReportTablesOpen tables(data_);
    const ReportRequest request{.selector = ReportSelector::Groups, .period = {from, to}};
    if (!locateSalesman(data_, salesman))
        return;
    const ReportSalesman located = readReportSalesman(data_.Obchodnici);
    std::vector<SalesmanSelection> selections;
    {
        const BusyCursor busy(data_.ui());
        selections = selectDocuments(*this, request.selector, {located}, request.period, Today());
    }
    startGroupReport(std::move(selections.front()), request);
}

void TDataSestavy::startGroupReport(SalesmanSelection selection, const ReportRequest& request)
{
    const MemTableForRun groups(SesProvSkup);
    MemTable& rows = DokladObsahFak;
    for (SelectedDocument& document : selection.documents) {
        rows.restoreContents(std::move(document.items));
        for (rows.first(); !rows.eof(); rows.next())
            addToSesProvSkup(SesProvSkup, selection.salesman.code, rows.asString("DOK_SKU"),
                             {rows.asFloat("DOK_PCS"), rows.asFloat("DOK_PCC"), rows.asFloat("DOK_PSK")});
        rows.close();
    }
    startReport(request);
}

} // namespace tarvela
