// Report 8, the customer rebate: one landscape line per salesman and
// customer of SesMarObr, a total under each salesman and the report total
// directly after the last one. Totals are printed only for sums with both a
// sale and a cost value, and their percentages come from the sums. A new
// page repeats the column header; there are no footers.
#include "commission/print/ReportPrints.h"

#include "commission/TDataSestavy.h"
#include "commission/print/ListColumns.h"
#include "report/DateFormat.h"
#include "report/NumberFormat.h"

namespace tarvela {

namespace {

const ListColumn kColumns[] = {
    {1.0, Justification::Left},  {5.0, Justification::Left},  {2.0, Justification::Right},
    {2.0, Justification::Right}, {2.0, Justification::Right}, {2.0, Justification::Right},
    {2.0, Justification::Right}, {2.0, Justification::Right}, {2.0, Justification::Right},
};

const char* const kHeader = "\tObch.\tOdběratel\tCel. Nc\tCel.PC\tMarže v %\tRabat\tRabat v %";

struct RebateSums {
    double cost = 0;
    double sales = 0;
    double rebate = 0;

    void add(const MemTable& row)
    {
        cost += row.asFloat("SES_CNC");
        sales += row.asFloat("SES_CPC");
        rebate += row.asFloat("SES_RAB");
    }
};

void printTotal(TBaseReport& canvas, const std::string& label, const RebateSums& sums)
{
    if (sums.sales == 0 || sums.cost == 0)
        return;
    canvas.WriteLine("\t" + label + "\t"
                     + tabbedLine({formatFixed(sums.cost, 12, 2), formatFixed(sums.sales - sums.rebate, 12, 2),
                                   formatFixed(marginPercent(sums.sales - sums.rebate, sums.cost), 8, 2),
                                   formatFixed(sums.rebate, 12, 2),
                                   formatFixed(partPercent(sums.rebate, sums.sales), 8, 2)}));
}

void printRow(TBaseReport& canvas, const MemTable& row)
{
    canvas.WriteLine(tabbedLine({row.asString("SES_OBC"), row.asString("SES_NAC"),
                                 formatFixed(row.asFloat("SES_CNC"), 8, 2),
                                 formatFixed(row.asFloat("SES_CPC") - row.asFloat("SES_RAB"), 8, 2),
                                 formatFixed(row.asFloat("SES_MAS"), 8, 2), formatFixed(row.asFloat("SES_RAB"), 12, 2),
                                 formatFixed(row.asFloat("SES_RAP"), 8, 2)}));
}

} // namespace

void printCustomerRebate(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas)
{
    startListReport(canvas);
    canvas.WriteAt("Sestava rabatu dle odběratelů za prodej od " + formatReportDate(request.period.from) + " do "
                       + formatReportDate(request.period.to),
                   1.0);
    canvas.LineFeed();
    canvas.LineFeed();
    selectCentralEuropeanFont(canvas, "ArialCE", 9);
    setListColumns(canvas, kColumns);
    MemTable& rows = sestavy.SesMarObr;
    rows.first();
    std::string salesman = rows.eof() ? std::string() : rows.asString("SES_OBC");
    RebateSums salesmanSums, reportSums;
    canvas.WriteLine(kHeader);
    while (!rows.eof()) {
        if (canvas.RemainingLines() < 3) {
            canvas.PageBreak();
            canvas.WriteLine(kHeader);
            canvas.LineFeed();
            canvas.LineFeed();
        }
        printRow(canvas, rows);
        salesmanSums.add(rows);
        reportSums.add(rows);
        rows.next();
        if (!rows.eof() && rows.asString("SES_OBC") != salesman) {
            printTotal(canvas, "Celkem za obch.", salesmanSums);
            canvas.LineFeed();
            salesmanSums = {};
            salesman = rows.asString("SES_OBC");
        }
    }
    printTotal(canvas, "Celkem za obch.", salesmanSums);
    printTotal(canvas, "Celkem za sest.", reportSums);
}

} // namespace tarvela
