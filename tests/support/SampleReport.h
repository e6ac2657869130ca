// A small settlement-like layout drawn on the report canvas, shared by the
// report and preview tests: a title block, labelled values, a framed item
// table with shaded header and sum rows, footers and page breaks.
#pragma once

#include <string>

#include "report/NumberFormat.h"
#include "report/TBaseReport.h"

namespace tarvela::test {

inline void sampleBreakBelow(TBaseReport& canvas, int lines)
{
    if (canvas.RemainingLines() >= lines)
        return;
    canvas.LineFeed();
    canvas.WriteFooter("Strana " + std::to_string(canvas.PageNumber()), Justification::Left);
    canvas.WriteFooter("Datum 01.01.2007", Justification::Right);
    canvas.PageBreak();
}

inline void sampleItemTableCells(TBaseReport& canvas, int shade, int first, int middle, int last)
{
    canvas.ClearTabStops();
    const double widths[] = {2.0, 4.0, 1.0, 2.5, 2.5, 1.5, 1.5, 1.5, 2.5};
    for (int i = 0; i < 9; ++i) {
        const int borders = i == 0 ? first : i == 8 ? last : middle;
        const auto justification = i < 3 ? Justification::Left : Justification::Right;
        canvas.AddTabStop(i == 0 ? std::optional<double>(1.0) : std::nullopt, justification, widths[i], 5,
                          borders, shade);
    }
}

// Draws `documents` invoice blocks; with a large count the report spans
// several pages.
inline void drawSampleReport(TBaseReport& canvas, int documents)
{
    canvas.SelectFont("ArialCE", 13);
    canvas.SelectCharset(238);
    canvas.SetMargins(1, 1, 2, 2);
    canvas.StartAtTop();
    canvas.WriteLine("Vyúčtování provizí z faktur uhrazených v období od 01.01.2007 do 31.01.2007");
    canvas.WriteLine("");
    canvas.WriteText("Obchodní zástupce :");
    canvas.SetTextColor(kRed);
    canvas.WriteText("Jiří Šťastný");
    canvas.SetTextColor(kBlack);
    canvas.WriteLine("");
    canvas.WriteLine("");
    double total = 0;
    for (int d = 0; d < documents; ++d) {
        canvas.SelectFont("ArialCE", 10);
        sampleBreakBelow(canvas, 8);
        canvas.ClearTabStops();
        canvas.AddTabStop(1.0, Justification::Left, 6.0, 5, 0, 0);
        canvas.AddTabStop(std::nullopt, Justification::Left, 5.0, 5, 0, 0);
        canvas.WriteLine("\tČíslo faktury \t" + std::to_string(2007000100 + d));
        canvas.WriteLine("\tOdběratel \tŽelezářství Řeřicha");
        canvas.WriteLine("\tCelková částka \t" + trimmedLeft(formatFixed(12100.5, 12, 2)));
        canvas.WriteLine("");
        sampleBreakBelow(canvas, 3);
        canvas.SelectFont("Arial CE", 9);
        canvas.SelectCharset(238);
        sampleItemTableCells(canvas, 10, 5, 4, 6);
        canvas.WriteLine("\tČís.karty\tNázev zboží\tSkup.\tProd.Cena\tCen.Cena\tRab%\tPr.t.%\tPr.sk %\tProv. Kč");
        sampleItemTableCells(canvas, 0, 1, 0, 2);
        canvas.SelectFont("ArialCE", 8);
        canvas.WriteLine("\t000123/001\tŠroubovák křížový\t01\t1234,5678\t1100\t5\t10\t100\t123,45678");
        canvas.WriteLine("\t000456/002\tKleště štípací\t02\t99\t90\t0\t10\t100\t9,9");
        sampleItemTableCells(canvas, 10, 9, 8, 10);
        canvas.WriteLine("\tCelkem\t\t\t" + formatFixed(1333.5678, 12, 2) + "\t" + formatFixed(1190, 12, 2)
                         + "\t\t\t\t" + formatFixed(133.35678, 12, 2));
        canvas.WriteLine("");
        canvas.ClearTabStops();
        total += 133.35678;
    }
    canvas.SelectFont("ArialCE", 12);
    canvas.WriteLine("Celková částka provize \t" + formatFixed(total, 12, 2));
}

} // namespace tarvela::test
