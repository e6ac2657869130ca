#include "commission/ReportRuns.h"

#include "commission/ListReportTables.h"
#include "commission/DocumentCommission.h"
#include "commission/TDataSestavy.h"

namespace tarvela {

ReportRuns reportRunsOf(TDataSestavy& sestavy)
{
    ReportRuns runs;
    runs.SesProvObch = [&sestavy](const std::string& salesman, DayNumber from, DayNumber to) {
        sestavy.SesProvObch(salesman, from, to);
    };
    runs.SesProvSku = [&sestavy](const std::string& salesman, DayNumber from, DayNumber to) {
        sestavy.SesProvSku(salesman, from, to);
    };
    runs.SesProvObchKar = [&sestavy](const std::string& salesman, DayNumber from, DayNumber to) {
        sestavy.SesProvObchKar(salesman, from, to);
    };
    runs.SesProvCel = [&sestavy](DayNumber from, DayNumber to) { sestavy.SesProvCel(from, to); };
    runs.SesNepProvObch = [&sestavy](const std::string& salesman) { sestavy.SesNepProvObch(salesman); };
    runs.SesPrehFak = [&sestavy](const ReportRequest& request) { sestavy.SesPrehFak(request); };
    runs.SestProdejce = [&sestavy](const ReportRequest& request) { sestavy.SestProdejce(request); };
    runs.SestObratuOdberatelu = [&sestavy](const ReportRequest& request) { sestavy.SestObratuOdberatelu(request); };
    runs.HoldListReportTables = [&sestavy] { return std::make_shared<ListReportTables>(sestavy); };
    runs.CommissionItems = [&sestavy](const DbfTable& header, DocumentKind kind) -> MemTable& {
        return commissionItemsOf(sestavy, header, kind);
    };
    return runs;
}

} // namespace tarvela
