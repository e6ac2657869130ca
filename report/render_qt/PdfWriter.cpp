#include "report/render_qt/PdfWriter.h"

#include <QPainter>
#include <QPdfWriter>
#include <QBuffer>

#include "platform/Error.h"
#include "platform/WholeFile.h"
#include "report/ReportTexts.h"
#include "report/render_qt/PageLayouts.h"
#include "report/render_qt/PageRenderer.h"

namespace tarvela {

namespace {

constexpr int kPdfResolution = 1200;

} // namespace

void writePdf(const ReportDocument& document, const QString& path)
{
    const std::string failure = "Nelze zapsat soubor " + path.toStdString();
    if (document.pages.empty())
        throw Error(failure);
    // Rendered in memory first, so the file is replaced whole or not at all.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&bytes);
        writer.setResolution(kPdfResolution);
        writer.setCreator("Tarvela");
        writer.setTitle(reporttext::kPrintJobTitle);
        writer.setPageLayout(qtPageLayout(document.pages.front()));
        QPainter painter;
        if (!painter.begin(&writer))
            throw Error(failure);
        for (size_t i = 0; i < document.pages.size(); ++i) {
            if (i > 0) {
                writer.setPageLayout(qtPageLayout(document.pages[i]));
                writer.newPage();
            }
            renderPage(painter, document.pages[i], QRectF(0, 0, writer.width(), writer.height()));
        }
        painter.end();
    }
    writeWholeFile(path.toStdString(), std::string_view(bytes.data().constData(), std::size_t(bytes.data().size())));
}

} // namespace tarvela
