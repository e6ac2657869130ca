// The page canvas that every report layout draws on, line by line. It records
// pages of positioned drawing operations; it never breaks a page by itself.
// Positions and widths are in cm from the page's left edge, fonts in points.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "report/Font.h"
#include "report/PageModel.h"
#include "report/PrinterSelection.h"
#include "report/ReportStatus.h"
#include "report/TabStop.h"

namespace tarvela {

class TBaseReport {
public:
    // status is told about every page started and asked about cancelling;
    // it must outlive the canvas.
    TBaseReport(Orientation orientation, PrinterSelection printer, ReportStatus& status);

    void SelectFont(const std::string& name, double size);
    void SelectCharset(int code);
    void SetTextColor(Rgb color);
    void SetBold(bool on) { font_.bold = on; }
    void SetItalic(bool on) { font_.italic = on; }
    void SetUnderline(bool on) { font_.underline = on; }
    void SetStrikeOut(bool on) { font_.strikeOut = on; }
    void SetMargins(double left, double right, double top, double bottom);
    void StartAtTop();

    void WriteText(const std::string& text);
    void WriteLine(const std::string& text);
    void LineFeed();
    void PageBreak();
    int RemainingLines() const;
    void WriteFooter(const std::string& text, Justification justification);
    void WriteAt(const std::string& text, double x);

    void ClearTabStops();
    // A position of nullopt places the cell right after the previous one.
    void AddTabStop(std::optional<double> position, Justification justification, double width,
                    int innerMargin, int borders, int shade);
    int PageNumber() const { return pageNumber_; }

    PrinterSelection& Printer() { return printer_; }
    const FontSpec& CurrentFont() const { return font_; }
    double CursorX() const { return x_; }
    double LineTop() const { return lineTop_; }
    bool Cancelled() const { return cancelled_; }

    // The finished pages; a cancelled run keeps only the pages completed
    // before the cancel.
    ReportDocument TakeDocument();

private:
    double lineHeight() const;
    double textAreaBottom() const;
    void moveToLine(double top);
    void printAt(double x, const std::string& text, Justification align = Justification::Left);
    // printAt with the text's width already measured.
    void placeText(double x, const std::string& text, double width, Justification align);
    void printInCell(const TabStop& cell, const std::string& text);
    void drawCell(const TabStop& cell);
    void startPage();
    void pollCancel();

    Orientation orientation_;
    PrinterSelection printer_;
    ReportStatus& status_;
    ReportDocument done_;
    Page page_;
    bool cancelled_ = false;

    double left_ = 0, right_ = 0, top_ = 0, bottom_ = 0;
    FontSpec font_;
    std::vector<TabStop> tabs_;
    int reachedCell_ = -1;
    double x_ = 0;
    double lineTop_ = 0;
    int line_ = 1;
    int pageNumber_ = 1;
};

} // namespace tarvela
