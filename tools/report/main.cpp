// tarvela-report: runs one commission report without the program's windows
// and saves its pages, or one report for each of several salesmen. It makes
// the same run and layout as the program and writes the same export files;
// messages the program would show go to standard error. Exit status 0 when the report was produced (every file of
// the salesmen written), 2 for a mistake in the command line, 1 when it could
// not be made.
#include <filesystem>
#include <iostream>
#include <optional>

#include "OutputFolders.h"
#include "ReportFileOutput.h"
#include "ReportToolOptions.h"
#include "SalesmenFiles.h"
#include "commission/TDataSestavy.h"
#include "platform/ProgramDirectory.h"
#include "tools/common/ToolMain.h"

using namespace tarvela;
using namespace tarvela::tool;

namespace {

constexpr int kProduced = 0;
constexpr int kNotProduced = 1;

std::string programDirectoryOf(const ReportToolOptions& options, const char* argv0)
{
    const std::string directory =
        options.programDirectory ? namedProgramDirectory(*options.programDirectory) : findProgramDirectory(argv0);
    if (!std::filesystem::is_regular_file(directory + "Merkan.ini"))
        throw Error("Merkan.ini not found in " + directory);
    return directory;
}

void runReport(TDataSestavy& sestavy, const ReportToolOptions& options)
{
    switch (options.report) {
    case ReportKind::Settlement: sestavy.SesProvObch(options.salesman, options.from, options.to); break;
    case ReportKind::Disallowed: sestavy.SesNepProvObch(options.salesman); break;
    case ReportKind::SpecialSettlement: sestavy.SesProvObchKar(options.salesman, options.from, options.to); break;
    case ReportKind::Groups: sestavy.SesProvSku(options.salesman, options.from, options.to); break;
    case ReportKind::Summary: sestavy.SesProvCel(options.from, options.to); break;
    case ReportKind::InvoiceOverview: sestavy.SesPrehFak(listReportRequest(options)); break;
    case ReportKind::SalesTurnover: sestavy.SestProdejce(listReportRequest(options)); break;
    case ReportKind::CustomerRebate: sestavy.SestObratuOdberatelu(listReportRequest(options)); break;
    }
}

int produce(const ReportToolOptions& options, const char* argv0)
{
    if (options.severalSalesmen)
        checkOutputDirectory(options.outputDir);
    else
        checkOutputFolder(options.output);
    if (options.documentsFolder)
        prepareDocumentsFolder(*options.documentsFolder);
    ConsoleUi ui;
    TData data(ui, programDirectoryOf(options, argv0));
    if (!data.DataCreate())
        return kNotProduced;
    TDataSestavy sestavy(data);
    if (options.today) {
        const DayNumber today = *options.today;
        sestavy.Today = [today] { return today; };
        sestavy.Now = [today] { return double(today); };
    }
    if (options.documentsFolder) {
        const std::string folder = *options.documentsFolder;
        sestavy.DocumentsFolder = [folder] { return folder; };
    }
    if (options.severalSalesmen)
        return writeSalesmenFiles(sestavy, options) ? kProduced : kNotProduced;
    std::optional<ReportDocument> pages;
    sestavy.Sestavy.setPreview([&](ReportDocument& generated, int) { pages = std::move(generated); });
    runReport(sestavy, options);
    if (!pages) {
        std::cerr << "Salesman '" << options.salesman << "' not found; no report produced\n";
        return kNotProduced;
    }
    saveReport(*pages, options.format, options.output);
    return kProduced;
}

} // namespace

int main(int argc, char** argv)
{
    return toolMain(argc, argv, {"tarvela-report", usageText(), kNotProduced},
                    [argv](std::vector<std::string> arguments) {
                        return produce(parseReportToolOptions(arguments), argv[0]);
                    });
}
