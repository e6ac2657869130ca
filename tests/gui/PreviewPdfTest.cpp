#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>

#include "platform/Error.h"

#include "platform/RegionalSettings.h"
#include "report/render_qt/PdfWriter.h"
#include "support/SampleReport.h"
#include "support/TempDir.h"

using namespace tarvela;

namespace {

ReportDocument sampleWithLandscapePage()
{
    setDecimalSeparator(',');
    SilentReportStatus status;
    TBaseReport canvas(Orientation::Portrait, PrinterSelection(kDefaultPrinter, 0), status);
    test::drawSampleReport(canvas, 2);
    ReportDocument document = canvas.TakeDocument();
    TBaseReport wide(Orientation::Landscape, PrinterSelection(kDefaultPrinter, 0), status);
    wide.SelectFont("Arial CE", 10);
    wide.WriteAt("Přehled faktur od 01.01.2007 do 31.01.2007 na skladu Ústí", 1.0);
    document.pages.push_back(wide.TakeDocument().pages.front());
    setDecimalSeparator('.');
    return document;
}

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

TEST(PreviewPdf, CzechTextsComeOutExactly)
{
    test::TempDir dir;
    const QString path = QString::fromStdString((dir / "sestava.pdf").string());
    writePdf(sampleWithLandscapePage(), path);

    const QString text = run("pdftotext", {"-layout", path, "-"});
    ASSERT_FALSE(text.isEmpty());
    for (const char* expected : {"Vyúčtování provizí z faktur uhrazených v období od 01.01.2007 do 31.01.2007",
                                 "Obchodní zástupce :Jiří Šťastný", "Železářství Řeřicha", "Čís.karty",
                                 "Prov. Kč", "Šroubovák křížový", "Kleště štípací", "12100,50",
                                 "Přehled faktur od 01.01.2007 do 31.01.2007 na skladu Ústí"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
}

TEST(PreviewPdf, FontIsEmbeddedAndPagesKeepTheirOrientation)
{
    test::TempDir dir;
    const QString path = QString::fromStdString((dir / "sestava.pdf").string());
    writePdf(sampleWithLandscapePage(), path);

    const QString fonts = run("pdffonts", {path});
    ASSERT_TRUE(fonts.contains("LiberationSans")) << fonts.toStdString();
    for (const QString& line : fonts.split('\n')) {
        if (line.contains("LiberationSans")) {
            EXPECT_TRUE(line.contains(" yes ")) << line.toStdString();
        }
    }

    const QString info = run("pdfinfo", {"-f", "1", "-l", "2", path});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page\\s+1 size:\\s+595(\\.\\d+)? x 842"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page\\s+2 size:\\s+842(\\.\\d+)? x 595"))) << info.toStdString();
}

TEST(PreviewPdf, FailedSaveKeepsExistingFile)
{
    test::TempDir dir;
    const QString path = QString::fromStdString((dir / "sestava.pdf").string());
    writePdf(sampleWithLandscapePage(), path);
    const QString before = run("pdftotext", {path, "-"});
    EXPECT_THROW(writePdf(ReportDocument{}, path), Error);
    EXPECT_EQ(run("pdftotext", {path, "-"}), before);
}
