// Report 4, the invoice overview: one landscape line per document the run
// collected in SesFakMem that passes the payment and salesman filters of the
// request, the sums of the printed lines at the end, and "Strana" and
// "Datum" footers on every page. A document the chosen salesman has a split
// record of is printed with his turnover share of its amounts.
#include "commission/print/ReportPrints.h"

#include <optional>

#include "commission/SesFakMem.h"
#include "commission/SplitRecord.h"
#include "commission/TDataSestavy.h"
#include "commission/print/ListColumns.h"
#include "data/catalogue/TableCatalogue.h"
#include "commission/PaymentTerms.h"
#include "data/table/ScopedTableOpen.h"
#include "platform/Text.h"
#include "report/DateFormat.h"
#include "report/NumberFormat.h"

namespace tarvela {

namespace {

const ListColumn kColumns[] = {
    {1.65, Justification::Left},  {1.8, Justification::Left},  {5.0, Justification::Left},
    {1.8, Justification::Left},   {1.8, Justification::Right}, {1.8, Justification::Right},
    {1.8, Justification::Right},  {1.8, Justification::Right}, {1.8, Justification::Right},
    {1.8, Justification::Right},  {1.8, Justification::Right}, {1.8, Justification::Right},
    {1.0, Justification::Right},  {0.8, Justification::Right},
};

const char* const kHeader =
    "\tDatum\tFaktura\tOdběratel\tProforma\tCel. Nc\tCel. PC\tPlaceno\tZák 22%\tZák 5%\tZák 0%\tDaň 22%\tDaň 5%"
    "\tHal.Vyr\tObch.";

std::string basisLine(DateBasis basis)
{
    switch (basis) {
    case DateBasis::TaxableSupply: return "Sestava dle data zdanitelného plnění.";
    case DateBasis::DueDate: return "Sestava dle data splatnosti faktury.";
    default: return "Sestava dle data vystaveni faktury.";
    }
}

std::string dateCell(DayNumber day)
{
    return day != 0 ? formatReportDate(day) : std::string();
}

std::string amount(double value, int width = 8)
{
    return formatFixed(value, width, 2);
}

// The factor the row's amounts are printed with, or nothing when the row is
// not the chosen salesman's.
std::optional<double> salesmanFactor(TData& data, const ReportRequest& request, const MemTable& row)
{
    if (!request.salesmanFilterOn)
        return 1.0;
    const std::optional<SplitRecord> split =
        findSplitRecord(data.DelProv, indexFileOf("DelProv", data.settings().companyNumber),
                        row.asString("Faktura"), request.salesmanFilter);
    if (split)
        return split->turnoverPercent / 100;
    if (trimmed(row.asString("Obchodnik")) == trimmed(request.salesmanFilter))
        return 1.0;
    return std::nullopt;
}

struct OverviewSums {
    DocumentAmounts amounts;
    double paid = 0;
};

class OverviewPrint {
public:
    OverviewPrint(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas)
        : sestavy_(sestavy), request_(request), canvas_(canvas)
    {
    }

    void print()
    {
        startListReport(canvas_);
        printTitle();
        selectCentralEuropeanFont(canvas_, "ArialCE", 8);
        setListColumns(canvas_, kColumns);
        canvas_.WriteLine(kHeader);
        MemTable& rows = sestavy_.SesFakMem;
        for (rows.first(); !rows.eof(); rows.next()) {
            if (canvas_.RemainingLines() < 3) {
                printFooters();
                canvas_.PageBreak();
                canvas_.LineFeed();
                canvas_.LineFeed();
            }
            printRow(rows);
        }
        canvas_.LineFeed();
        printSums();
        printFooters();
    }

private:
    void printTitle()
    {
        TData& data = sestavy_.data();
        {
            ScopedTableOpen owner(data.Vlastnik);
            data.Vlastnik.first();
            const std::string store = data.Vlastnik.eof() ? std::string() : data.Vlastnik.asString("VLA_NAC");
            canvas_.WriteAt("Přehled faktur od " + formatReportDate(request_.period.from) + " do "
                                + formatReportDate(request_.period.to) + " na skladu " + store,
                            1.0);
        }
        canvas_.LineFeed();
        canvas_.LineFeed();
        canvas_.WriteAt(basisLine(request_.dateBasis), 1.0);
        canvas_.LineFeed();
        if (request_.salesmanFilterOn) {
            selectCentralEuropeanFont(canvas_, "ArialCE", 10);
            ScopedTableOpen salesmen(data.Obchodnici);
            if (data.Obchodnici.locate({"OBC_KOD"}, {FieldValue(request_.salesmanFilter)})) {
                canvas_.WriteAt("Obsaženy pouze faktury obchodníka " + data.Obchodnici.asString("OBC_NAC"), 1.0);
                canvas_.LineFeed();
            }
        }
        selectCentralEuropeanFont(canvas_, "ArialCE", 10);
        if (request_.paymentFilter == PaymentFilter::PaidOnly || request_.paymentFilter == PaymentFilter::UnpaidOnly) {
            canvas_.WriteAt(request_.paymentFilter == PaymentFilter::PaidOnly ? "Pouze zapacené faktury "
                                                                              : "Pouze nezapacené faktury ",
                            1.0);
            canvas_.LineFeed();
            canvas_.LineFeed();
        }
    }

    void printRow(const MemTable& row)
    {
        const double paid = row.asFloat("CelkemPlac");
        if (!passesPaymentFilter(int(request_.paymentFilter), row.asFloat("CelkemPC"), paid))
            return;
        const std::optional<double> factor = salesmanFactor(sestavy_.data(), request_, row);
        if (!factor)
            return;
        const DocumentAmounts a = readAmounts(row).times(*factor);
        canvas_.WriteLine(tabbedLine({dateCell(sesFakMemDate(row, request_.dateBasis)), row.asString("Faktura"),
                                      row.asString("Nazev"), row.asString("Proforma"), amount(a.CelkemNC),
                                      amount(a.CelkemPC), amount(paid), amount(a.Zaklad22), amount(a.Zaklad05),
                                      amount(a.Zaklad00), amount(a.Dan22), amount(a.Dan05), amount(a.HalVyr),
                                      row.asString("Obchodnik")}));
        sums_.amounts += a;
        sums_.paid += paid;
    }

    void printSums()
    {
        const DocumentAmounts& a = sums_.amounts;
        canvas_.WriteLine(tabbedLine({"Celkem sestava ", "", "", "", amount(a.CelkemNC), amount(a.CelkemPC, 9),
                                      amount(sums_.paid, 9), amount(a.Zaklad22), amount(a.Zaklad05),
                                      amount(a.Zaklad00), amount(a.Dan22), amount(a.Dan05), amount(a.HalVyr)}));
    }

    void printFooters()
    {
        canvas_.WriteFooter("Strana " + std::to_string(canvas_.PageNumber()), Justification::Left);
        canvas_.WriteFooter("Datum " + formatReportDateTime(sestavy_.Now()), Justification::Right);
    }

    TDataSestavy& sestavy_;
    const ReportRequest& request_;
    TBaseReport& canvas_;
    OverviewSums sums_;
};

} // namespace

void printInvoiceOverview(TDataSestavy& sestavy, const ReportRequest& request, TBaseReport& canvas)
{
    OverviewPrint(sestavy, request, canvas).print();
}

} // namespace tarvela
