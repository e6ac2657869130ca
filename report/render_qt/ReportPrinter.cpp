#include "report/render_qt/ReportPrinter.h"

#include <QPainter>
#include <QPrinter>

#include "platform/Error.h"
#include "report/ReportTexts.h"
#include "report/render_qt/PageLayouts.h"
#include "report/render_qt/PageRenderer.h"

namespace tarvela {

QPrinterInfo printerAt(int index)
{
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (printers.isEmpty())
        return {};
    if (index >= 0 && index < printers.size())
        return printers[index];
    const QPrinterInfo fallback = QPrinterInfo::defaultPrinter();
    return fallback.isNull() ? printers.front() : fallback;
}

void printReport(const ReportDocument& document, int printerIndex, ReportStatus& status)
{
    const QPrinterInfo info = printerAt(printerIndex);
    if (info.isNull())
        throw Error("Není nainstalována žádná tiskárna.");
    if (document.pages.empty())
        return;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(reporttext::kPrintJobTitle);
    printer.setFullPage(true);
    printer.setPageLayout(qtPageLayout(document.pages.front()));

    struct Shown {
        ReportStatus& status;
        ~Shown() { status.close(); }
    } shown{status};
    status.open(reporttext::kStatusTitle);
    QPainter painter;
    if (!painter.begin(&printer))
        throw Error("Na tiskárně " + info.printerName().toStdString() + " nelze tisknout.");
    for (size_t i = 0; i < document.pages.size(); ++i) {
        status.setText(pageStatusText(reporttext::kPrintingPage, int(i) + 1));
        if (status.cancelRequested()) {
            printer.abort();
            return;
        }
        if (i > 0) {
            printer.setPageLayout(qtPageLayout(document.pages[i]));
            printer.newPage();
        }
        renderPage(painter, document.pages[i], QRectF(0, 0, printer.width(), printer.height()));
    }
    painter.end();
}

} // namespace tarvela
