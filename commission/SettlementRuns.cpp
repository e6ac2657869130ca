// The runs of the three settlement reports of one salesman: they open the
// tables, store the parameters and start the report system; the document
// pass itself runs in the print handler. An unknown salesman gives no report
// and no message.
#include "commission/TDataSestavy.h"

#include "commission/ReportStart.h"
#include "commission/ReportTablesOpen.h"

namespace tarvela {

namespace {

void runForSalesman(TDataSestavy& sestavy, const std::string& salesman, int selector)
{
    TData& data = sestavy.data();
    const ReportTablesOpen tables(data);
    data.Faktury.first();
    data.Dobropisy.first();
    if (locateSalesman(data, salesman))
        startReport(sestavy, selector);
}

} // namespace

void TDataSestavy::SesProvObch(const std::string& salesman, DayNumber from, DayNumber to)
{
    PeriodFrom = from;
    PeriodTo = to;
    runForSalesman(*this, salesman, 1);
}

void TDataSestavy::SesProvObchKar(const std::string& salesman, DayNumber from, DayNumber to)
{
    PeriodFrom = from;
    PeriodTo = to;
    runForSalesman(*this, salesman, 7);
}

void TDataSestavy::SesNepProvObch(const std::string& salesman)
{
    runForSalesman(*this, salesman, 6);
}

} // namespace tarvela
