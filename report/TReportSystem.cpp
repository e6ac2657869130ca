#include "report/TReportSystem.h"

#include "report/ReportTexts.h"

namespace tarvela {

namespace {

// Closes the status window however the handlers end.
class ShownStatusWindow {
public:
    explicit ShownStatusWindow(ReportStatus& status) : status_(status) { status_.open(reporttext::kStatusTitle); }
    ~ShownStatusWindow() { status_.close(); }
    ShownStatusWindow(const ShownStatusWindow&) = delete;
    ShownStatusWindow& operator=(const ShownStatusWindow&) = delete;

private:
    ReportStatus& status_;
};

} // namespace

ReportDocument TReportSystem::Generate()
{
    SilentReportStatus silent;
    ReportStatus& status = status_ ? *status_ : silent;
    ShownStatusWindow shown(status);
    const int installed = printerCount_ ? printerCount_() : 0;
    TBaseReport canvas(orientation_, PrinterSelection(printerIndex_, installed), status);
    if (SestavyBeforePrint)
        SestavyBeforePrint(canvas);
    if (SestavyPrint)
        SestavyPrint(canvas);
    printerIndex_ = canvas.Printer().index();
    return canvas.TakeDocument();
}

ReportDocument TReportSystem::Execute()
{
    ReportDocument pages = Generate();
    if (preview_ && !pages.pages.empty())
        preview_(pages, printerIndex_);
    return pages;
}

} // namespace tarvela
