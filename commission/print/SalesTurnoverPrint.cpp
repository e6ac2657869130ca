// Report 5, the sales by salesman: one portrait line per row of SesObchod
// with the salesman's name, his sale value, cost value and sale value
// without VAT, and their sums. A page that ends carries only the
// continuation line; the next one repeats the shaded column header.
#include "commission/print/ReportPrints.h"

#include "commission/TDataSestavy.h"
#include "commission/print/ListColumns.h"
#include "data/table/ScopedTableOpen.h"
#include "report/DateFormat.h"
#include "report/NumberFormat.h"

namespace tarvela {

namespace {

constexpr int kHeaderShade = 10;

const ListColumn kColumns[] = {
    {2.0, Justification::Left},  {6.0, Justification::Left},  {3.0, Justification::Right},
    {3.0, Justification::Right}, {3.0, Justification::Right}, {3.0, Justification::Right},
};

std::string amount(double value)
{
    return formatFixed(value, 12, 2);
}

void printHeader(TBaseReport& canvas)
{
    selectCentralEuropeanFont(canvas, "ArialCE", 9);
    setListColumns(canvas, kColumns, kHeaderShade);
    canvas.WriteLine("\tKód\tJméno obchodníka\tCelkem PC\tCelkem NC\tCelk.PC bez DPH");
    setListColumns(canvas, kColumns);
    canvas.LineFeed();
}

void continueOnNextPage(TBaseReport& canvas)
{
    canvas.LineFeed();
    canvas.WriteLine("\t\t\t\t\t\t\t");
    canvas.WriteLine("\tStrana " + std::to_string(canvas.PageNumber()) + ", pokračování na další staně\t\t\t\t\t\t");
    canvas.PageBreak();
    canvas.LineFeed();
    canvas.LineFeed();
    canvas.ClearTabStops();
    printHeader(canvas);
}

} // namespace

void printSalesTurnover(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas)
{
    startListReport(canvas);
    canvas.WriteAt("Přehled prodeje dle obchodníků od " + formatReportDate(request.period.from) + " do "
                       + formatReportDate(request.period.to),
                   1.0);
    canvas.LineFeed();
    canvas.LineFeed();
    DbfTable& salesmen = sestavy.data().Obchodnici;
    const ScopedTableOpen open(salesmen);
    printHeader(canvas);
    double sales = 0, cost = 0, netSales = 0;
    MemTable& rows = sestavy.SesObchod;
    for (rows.first(); !rows.eof(); rows.next()) {
        if (canvas.RemainingLines() < 5)
            continueOnNextPage(canvas);
        const DocumentAmounts a = readAmounts(rows);
        const std::string code = rows.asString("Obc");
        const std::string name =
            salesmen.locate({"OBC_KOD"}, {FieldValue(code)}) ? salesmen.asString("OBC_NAC") : std::string();
        canvas.WriteLine(tabbedLine({code, name, amount(a.CelkemPC), amount(a.CelkemNC), amount(a.netSales())}));
        sales += a.CelkemPC;
        cost += a.CelkemNC;
        netSales += a.netSales();
    }
    canvas.LineFeed();
    canvas.WriteLine("\tCelkem za sestavu \t\t" + amount(sales) + "\t" + amount(cost) + "\t" + amount(netSales));
}

} // namespace tarvela
