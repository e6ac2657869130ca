// Connects the report system to the Qt devices of this machine: the status
// window, the installed printers and the preview window. Keep the object
// alive as long as the report system may run reports.
#pragma once

#include "platform/Ui.h"
#include "report/TReportSystem.h"
#include "report/render_qt/StatusDialog.h"

class QWidget;

namespace tarvela {

class QtReportDevices {
public:
    // parent owns the status and preview windows while they are shown.
    QtReportDevices(TReportSystem& system, QWidget* parent, Ui* ui = nullptr);
    ~QtReportDevices();
    QtReportDevices(const QtReportDevices&) = delete;
    QtReportDevices& operator=(const QtReportDevices&) = delete;

private:
    TReportSystem& system_;
    StatusDialog status_;
};

} // namespace tarvela
