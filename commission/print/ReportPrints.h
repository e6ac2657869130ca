// The print handler's part for each report: each draws its whole report on
// the canvas from the tables the run prepared and the run's request.
#pragma once

#include "commission/ReportRequest.h"

namespace tarvela {

class TBaseReport;
class TDataSestavy;

void printSettlement(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas);
void printGroupReport(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas);
void printSummary(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas);
void printDisallowed(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas);
void printSpecialSettlement(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas);
void printInvoiceOverview(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas);
void printSalesTurnover(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas);
void printCustomerRebate(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas);

} // namespace tarvela
