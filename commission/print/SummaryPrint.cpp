// Report 3: one line per salesman with his settled sales value and
// commission, from the rows the run collected in SesProvSkup. A row whose
// salesman is no longer in Obchodnici is neither printed nor summed.
#include "commission/print/ReportPrints.h"

#include "commission/print/FourCellTable.h"
#include "commission/TDataSestavy.h"
#include "report/DateFormat.h"
#include "report/NumberFormat.h"

namespace tarvela {

namespace {

std::string withoutSurroundingBlanks(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

void printSummary(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas)
{
    startOneTableReport(canvas);
    canvas.WriteLine("Souhrnná sestava provizí z faktur uhrazených v období od " + formatReportDate(request.period.from)
                     + " do " + formatReportDate(request.period.to));
    canvas.WriteLine("");
    canvas.WriteLine("");

    canvas.SelectFont("Arial CE", 10);
    canvas.SelectCharset(238);
    setFourCellTable(canvas, TableRow::Header);
    canvas.WriteLine("\tObchodník\t\tCelk.zakl.\tProv Kč");
    setFourCellTable(canvas, TableRow::Item);
    double soldValue = 0;
    double commission = 0;
    DbfTable& salesmen = sestavy.data().Obchodnici;
    MemTable& rows = sestavy.SesProvSkup;
    for (rows.first(); !rows.eof(); rows.next()) {
        sestavy.data().ui().processEvents();
        if (!salesmen.locate({"OBC_KOD"}, {withoutSurroundingBlanks(rows.asString("SES_OBC"))}))
            continue;
        canvas.WriteLine("\t" + salesmen.asString("OBC_KOD") + "\t" + salesmen.asString("OBC_NAC") + "\t"
                         + formatFixed(rows.asFloat("SES_PCC"), 12, 2) + "\t"
                         + formatFixed(rows.asFloat("SES_PRK"), 12, 2));
        soldValue += rows.asFloat("SES_PCC");
        commission += rows.asFloat("SES_PRK");
    }
    setFourCellTable(canvas, TableRow::Sum);
    canvas.WriteLine("\tCelkem\t\t" + formatFixed(soldValue, 12, 2) + "\t" + formatFixed(commission, 12, 2));
}

} // namespace tarvela
