// The report system (Sestavy): runs one report by calling SestavyBeforePrint
// and SestavyPrint on a fresh canvas while a status window shows progress,
// then hands the pages to the preview. The printer selection and the
// orientation live from one run to the next; the run restores portrait.
#pragma once

#include <functional>

#include "report/PageModel.h"
#include "report/ReportStatus.h"
#include "report/TBaseReport.h"

namespace tarvela {

class TReportSystem {
public:
    using Handler = std::function<void(TBaseReport& sender)>;
    // Shows the finished pages; printerIndex is the printer the run chose.
    // The preview may take the pages for as long as it shows them (a large
    // report is not copied), but gives them back before it returns.
    using Preview = std::function<void(ReportDocument& pages, int printerIndex)>;

    Handler SestavyBeforePrint;
    Handler SestavyPrint;

    void setOrientation(Orientation orientation) { orientation_ = orientation; }
    Orientation orientation() const { return orientation_; }

    // The devices of the machine; without them reports run silently and
    // know no printer, as on the command line.
    void setStatusWindow(ReportStatus* status) { status_ = status; }
    void setPreview(Preview preview) { preview_ = std::move(preview); }
    void setInstalledPrinterCount(std::function<int()> count) { printerCount_ = std::move(count); }

    int printerIndex() const { return printerIndex_; }

    // Generates the report and shows it in the preview; returns the pages as
    // generated. After a cancel only the pages finished before it remain,
    // and the preview opens only when there are any.
    ReportDocument Execute();

    // Generates the report without showing it.
    ReportDocument Generate();

private:
    Orientation orientation_ = Orientation::Portrait;
    ReportStatus* status_ = nullptr;
    Preview preview_;
    std::function<int()> printerCount_;
    int printerIndex_ = kDefaultPrinter;
};

} // namespace tarvela
