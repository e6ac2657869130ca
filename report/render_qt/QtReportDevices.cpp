#include "report/render_qt/QtReportDevices.h"

#include <QPrinterInfo>

#include "report/render_qt/PreviewWindow.h"

namespace tarvela {

QtReportDevices::QtReportDevices(TReportSystem& system, QWidget* parent, Ui* ui)
    : system_(system), status_(parent)
{
    system_.setStatusWindow(&status_);
    system_.setInstalledPrinterCount([] { return int(QPrinterInfo::availablePrinters().size()); });
    system_.setPreview([parent, ui](ReportDocument& pages, int printerIndex) {
        PreviewWindow preview(std::move(pages), printerIndex, ui, parent);
        preview.exec();
        pages = preview.takeDocument();
    });
}

QtReportDevices::~QtReportDevices()
{
    system_.setStatusWindow(nullptr);
    system_.setPreview(nullptr);
    system_.setInstalledPrinterCount(nullptr);
}

} // namespace tarvela
