#include "report/render_qt/PdfWriter.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "platform/Error.h"
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(failure);
    {
        QPdfWriter writer(&file);
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
    if (!file.commit())
        throw Error(failure);
}

} // namespace tarvela
