// The report runs that the commands of the "Sestavy" menu start once their
// dialog closes with OK, bound to the report module by reportRunsOf; every
// run is connected.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "commission/ReportRequest.h"
#include "commission/DocumentHeader.h"
#include "platform/Date.h"

namespace tarvela {

class DbfTable;
class MemTable;
class TDataSestavy;

struct ReportRuns {
    using SalesmanPeriodRun = std::function<void(const std::string& salesman, DayNumber from, DayNumber to)>;

    SalesmanPeriodRun SesProvObch;
    SalesmanPeriodRun SesProvSku;
    SalesmanPeriodRun SesProvObchKar;
    std::function<void(DayNumber from, DayNumber to)> SesProvCel;
    std::function<void(const std::string& salesman)> SesNepProvObch;

    using ListRun = std::function<void(const ReportRequest& request)>;
    ListRun SesPrehFak;
    ListRun SestProdejce;
    ListRun SestObratuOdberatelu;
    // Holds the tables of the list reports (the document cursors among them)
    // until the returned handle is dropped.
    std::function<std::shared_ptr<void>()> HoldListReportTables;
    // Not a report: the commission items the document browsers show (F12),
    // computed by the same module (commissionItemsOf).
    std::function<MemTable&(const DbfTable& header, DocumentKind kind)> CommissionItems;
};

// The runs the report module offers, bound to it.
ReportRuns reportRunsOf(TDataSestavy& sestavy);

} // namespace tarvela
