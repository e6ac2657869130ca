// Report 2: one salesman's settled commission by product group, from the
// rows the run collected in SesProvSkup.
#include "commission/print/ReportPrints.h"

#include "commission/print/FourCellTable.h"
#include "commission/TDataSestavy.h"
#include "report/DateFormat.h"
#include "report/NumberFormat.h"

namespace tarvela {

void printGroupReport(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas)
{
    startOneTableReport(canvas);
    canvas.WriteLine("Sestava provizí za provizní skupiny z faktur uhrazených v období od "
                     + formatReportDate(request.period.from) + " do " + formatReportDate(request.period.to));
    canvas.WriteLine("");
    canvas.WriteText("Obchodní zástupce :");
    canvas.SetTextColor(kRed);
    canvas.WriteText(sestavy.data().Obchodnici.asString("OBC_NAC"));
    canvas.SetTextColor(kBlack);
    canvas.WriteLine("");
    canvas.WriteLine("");
    sestavy.data().Obchodnici.close();

    canvas.SelectFont("Arial CE", 10);
    canvas.SelectCharset(238);
    setFourCellTable(canvas, TableRow::Header);
    canvas.WriteLine("\tSkupina\t\tCelk.zakl.\tProv Kč");
    setFourCellTable(canvas, TableRow::Item);
    double soldValue = 0;
    double commission = 0;
    MemTable& rows = sestavy.SesProvSkup;
    for (rows.first(); !rows.eof(); rows.next()) {
        canvas.WriteLine("\t" + rows.asString("SES_SKU") + "\t\t" + formatPlain(rows.asFloat("SES_PCC")) + "\t"
                         + formatPlain(rows.asFloat("SES_PRK")));
        soldValue += rows.asFloat("SES_PCC");
        commission += rows.asFloat("SES_PRK");
    }
    setFourCellTable(canvas, TableRow::Sum);
    canvas.WriteLine("\tCelkem\t\t" + formatFixed(soldValue, 12, 2) + "\t" + formatFixed(commission, 12, 2));
}

} // namespace tarvela
