#include "ReportFileOutput.h"

#include <QGuiApplication>
#include <cstdlib>

#include "report/HtmlWriter.h"
#include "report/PageSnapshot.h"
#include "report/PlainTextWriter.h"
#include "report/render_qt/PdfWriter.h"

namespace tarvela::tool {

namespace {

void savePdf(const ReportDocument& pages, const std::string& path)
{
    const PdfOutput output;
    writePdf(pages, QString::fromStdString(path));
}

} // namespace

PdfOutput::PdfOutput()
{
    if (QGuiApplication::instance())
        return;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "tarvela-report";
    static char* argv[] = {name, nullptr};
    application_ = std::make_unique<QGuiApplication>(argc, argv);
}

PdfOutput::~PdfOutput() = default;

void saveReport(const ReportDocument& pages, OutputFormat format, const std::string& path)
{
    switch (format) {
    case OutputFormat::Pdf: savePdf(pages, path); break;
    case OutputFormat::Html: writeHtml(pages, path); break;
    case OutputFormat::Text: writePlainText(pages, path); break;
    case OutputFormat::Snapshot: writeSnapshot(pages, path); break;
    }
}

} // namespace tarvela::tool
