// The runs of the three settlement reports of one salesman: they open the
// tables, store the parameters and start the report system; the document
// pass itself runs in the print handler. An unknown salesman gives no report
// and no message.
#include "commission/TDataSestavy.h"

#include "commission/ReportTablesOpen.h"

namespace tarvela {

namespace {

void runForSalesman(TDataSestavy& sestavy, const std::string& salesman, const ReportRequest& request)
{
    TData& data = sestavy.data();
    const ReportTablesOpen tables(data);
    data.Faktury.first();
    data.Dobropisy.first();
    if (locateSalesman(data, salesman))
        sestavy.startReport(request);
}

} // namespace

void TDataSestavy::SesProvObch(const std::string& salesman, DayNumber from, DayNumber to)
{
    runForSalesman(*this, salesman, {.selector = ReportSelector::Settlement, .period = {from, to}});
}

void TDataSestavy::SesProvObchKar(const std::string& salesman, DayNumber from, DayNumber to)
{
    runForSalesman(*this, salesman, {.selector = ReportSelector::SpecialSettlement, .period = {from, to}});
}

void TDataSestavy::SesNepProvObch(const std::string& salesman)
{
    runForSalesman(*this, salesman, {.selector = ReportSelector::Disallowed});
}

} // namespace tarvela
