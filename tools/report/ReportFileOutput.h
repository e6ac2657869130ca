// Saves the pages of a report in the format chosen on the command line,
// with the same writers the preview uses. PDF needs the Qt GUI library,
// which is started here on the offscreen platform when no display is set.
#pragma once

#include <memory>
#include <string>

#include "ReportToolOptions.h"
#include "report/PageModel.h"

class QGuiApplication;

namespace tarvela::tool {

// Keeps the Qt GUI library started while it lives, unless it already was,
// so that a run saving many PDF files starts it once.
class PdfOutput {
public:
    PdfOutput();
    ~PdfOutput();
    PdfOutput(const PdfOutput&) = delete;
    PdfOutput& operator=(const PdfOutput&) = delete;

private:
    std::unique_ptr<QGuiApplication> application_;
};

void saveReport(const ReportDocument& pages, OutputFormat format, const std::string& path);

} // namespace tarvela::tool
