#include "ReportToolOptions.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/Text.h"
#include "tools/common/ToolMain.h"

namespace tarvela::tool {

namespace {

struct ReportName {
    const char* name;
    ReportKind kind;
};

const ReportName kReports[] = {
    {"vyuctovani", ReportKind::Settlement}, {"nevyplacene", ReportKind::Disallowed},
    {"procenta", ReportKind::SpecialSettlement}, {"skupiny", ReportKind::Groups},
    {"souhrn", ReportKind::Summary}, {"faktury", ReportKind::InvoiceOverview}, {"obrat", ReportKind::SalesTurnover},
    {"rabat", ReportKind::CustomerRebate},
};

ReportKind reportNamed(const std::string& name)
{
    const auto found = std::ranges::find_if(kReports, [&](const ReportName& r) { return name == r.name; });
    if (found == std::end(kReports))
        throw UsageError("Unknown report '" + name
                         + "'; use vyuctovani, nevyplacene, procenta, skupiny, souhrn, faktury, obrat or rabat");
    return found->kind;
}

DayNumber dateOption(const std::string& option, const std::string& text)
{
    const std::optional<DayNumber> day = parseCzechDate(text);
    if (!day)
        throw UsageError("Bad date for " + option + ": '" + text + "' (expected DD.MM.YYYY)");
    return *day;
}

struct FormatName {
    const char* name;       // of --format
    const char* extension;  // of the files
    OutputFormat format;
};

const FormatName kFormats[] = {
    {"pdf", ".pdf", OutputFormat::Pdf},
    {"html", ".html", OutputFormat::Html},
    {"txt", ".txt", OutputFormat::Text},
    {"snapshot", ".snap", OutputFormat::Snapshot},
};

OutputFormat formatOf(const std::string& output)
{
    std::string extension = std::filesystem::path(output).extension().string();
    std::ranges::transform(extension, extension.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (extension == ".htm")
        extension = ".html";
    const auto found = std::ranges::find(kFormats, extension, &FormatName::extension);
    if (found == std::end(kFormats))
        throw UsageError("Unknown output format of '" + output + "'; use .pdf, .html, .txt or .snap");
    return found->format;
}

OutputFormat formatNamed(const std::string& name)
{
    const auto found = std::ranges::find(kFormats, name, &FormatName::name);
    if (found == std::end(kFormats))
        throw UsageError("Unknown format '" + name + "'; use pdf, html, txt or snapshot");
    return found->format;
}

// "001,003" as codes without blanks around them, each once, in order.
std::vector<std::string> codesListed(const std::string& list)
{
    std::vector<std::string> codes;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string code = trimmed(list.substr(start, comma - start));
        if (code.empty())
            throw UsageError("Empty salesman code in --salesmen '" + list + "'");
        if (std::ranges::find(codes, code) == codes.end())
            codes.push_back(code);
        start = comma + 1;
    }
    return codes;
}

bool needsPeriod(ReportKind report)
{
    return report != ReportKind::Disallowed;
}

bool isListReport(ReportKind report)
{
    return report == ReportKind::InvoiceOverview || report == ReportKind::SalesTurnover
           || report == ReportKind::CustomerRebate;
}

int choiceOption(const std::string& option, const std::string& text)
{
    if (text != "0" && text != "1" && text != "2")
        throw UsageError("Bad value for " + option + ": '" + text + "' (expected 0, 1 or 2)");
    return text[0] - '0';
}

// Options a report does not read are refused rather than ignored.
void refuseUnused(const std::string& report, const std::string& option, bool given, bool used)
{
    if (given && !used)
        throw UsageError(option + " does not apply to " + report);
}

void parseSeveralSalesmen(ReportToolOptions& options, const std::string& report, bool allSalesmen,
                          const std::optional<std::string>& salesmen, const std::optional<std::string>& outputDir,
                          const std::optional<std::string>& format)
{
    if (allSalesmen && salesmen)
        throw UsageError("Use either --all-salesmen or --salesmen");
    if (!needsSalesman(options.report))
        throw UsageError("--all-salesmen and --salesmen do not apply to " + report);
    if (!outputDir)
        throw UsageError("--output-dir DIR is required with " + std::string(allSalesmen ? "--all-salesmen" : "--salesmen"));
    options.outputDir = *outputDir;
    if (salesmen)
        options.salesmen = codesListed(*salesmen);
    if (format)
        options.format = formatNamed(*format);
}

void parseOneOutput(ReportToolOptions& options, const std::optional<std::string>& output,
                    const std::optional<std::string>& outputDir, const std::optional<std::string>& format)
{
    if (outputDir || format)
        throw UsageError(std::string(outputDir ? "--output-dir" : "--format")
                         + " needs --all-salesmen or --salesmen");
    if (!output)
        throw UsageError("--output FILE is required");
    options.output = *output;
    options.format = formatOf(*output);
}

} // namespace

const char* extensionOf(OutputFormat format)
{
    return std::ranges::find(kFormats, format, &FormatName::format)->extension;
}

const char* reportNameOf(ReportKind report)
{
    return std::ranges::find(kReports, report, &ReportName::kind)->name;
}

bool needsSalesman(ReportKind report)
{
    return report != ReportKind::Summary && !isListReport(report);
}

ReportRequest listReportRequest(const ReportToolOptions& options)
{
    return {.period = {options.from, options.to},
            .dateBasis = options.dateBasis,
            .paymentFilter = options.payments,
            .salesmanFilterOn = options.salesmanFilterOn,
            .salesmanFilter = trimmed(options.salesman),
            .exportXls = options.exportXls};
}

const char* usageText()
{
    return "Usage: tarvela-report [--program-dir DIR] [--documents DIR] [--today DD.MM.YYYY]\n"
           "                      REPORT [--salesman CODE] [--from DD.MM.YYYY] [--to DD.MM.YYYY]\n"
           "                      [--date-basis 0|1|2] [--payments 0|1|2] [--xls]\n"
           "                      --output FILE.pdf|.html|.txt|.snap\n"
           "       tarvela-report [--program-dir DIR] [--today DD.MM.YYYY]\n"
           "                      REPORT --all-salesmen|--salesmen CODE,CODE,... [--from DD.MM.YYYY]\n"
           "                      [--to DD.MM.YYYY] --output-dir DIR [--format pdf|html|txt|snapshot]\n"
           "REPORT: vyuctovani, nevyplacene, procenta, skupiny, souhrn, faktury, obrat, rabat\n"
           "        (--salesman is needed by all but souhrn, faktury, obrat, rabat; faktury takes it\n"
           "        as a filter; --payments is for faktury, --xls for faktury and rabat)\n"
           "--all-salesmen and --salesmen are for vyuctovani, nevyplacene, procenta and skupiny:\n"
           "        one file per salesman with documents, \"CODE NAME - REPORT PERIOD.EXT\" in DIR\n";
}

ReportToolOptions parseReportToolOptions(const std::vector<std::string>& arguments)
{
    ReportToolOptions options;
    std::optional<std::string> report, salesman, from, to, output, dateBasis, payments, salesmen, outputDir, format;
    bool xls = false;
    bool allSalesmen = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!argument.starts_with("--")) {
            if (report)
                throw UsageError("Unexpected argument '" + argument + "'");
            report = argument;
            continue;
        }
        if (argument == "--xls") {
            xls = true;
            continue;
        }
        if (argument == "--all-salesmen") {
            allSalesmen = true;
            continue;
        }
        if (i + 1 >= arguments.size())
            throw UsageError("Missing value after " + argument);
        const std::string& value = arguments[++i];
        if (argument == "--program-dir")
            options.programDirectory = value;
        else if (argument == "--documents")
            options.documentsFolder = value;
        else if (argument == "--today")
            options.today = dateOption(argument, value);
        else if (argument == "--salesman")
            salesman = value;
        else if (argument == "--from")
            from = value;
        else if (argument == "--to")
            to = value;
        else if (argument == "--output")
            output = value;
        else if (argument == "--date-basis")
            dateBasis = value;
        else if (argument == "--payments")
            payments = value;
        else if (argument == "--salesmen")
            salesmen = value;
        else if (argument == "--output-dir")
            outputDir = value;
        else if (argument == "--format")
            format = value;
        else
            throw UsageError("Unknown option " + argument);
    }
    if (!report)
        throw UsageError("No report named");
    options.report = reportNamed(*report);
    options.severalSalesmen = allSalesmen || salesmen;
    if (options.severalSalesmen && (output || salesman))
        throw UsageError(std::string(output ? "--output" : "--salesman")
                         + " does not go with --all-salesmen or --salesmen");
    if (options.severalSalesmen)
        parseSeveralSalesmen(options, *report, allSalesmen, salesmen, outputDir, format);
    else
        parseOneOutput(options, output, outputDir, format);
    if (needsSalesman(options.report) && !options.severalSalesmen) {
        if (!salesman || salesman->empty())
            throw UsageError("--salesman CODE is required for " + *report);
        options.salesman = *salesman;
    }
    const ReportKind kind = options.report;
    refuseUnused(*report, "--date-basis", dateBasis.has_value(), isListReport(kind));
    refuseUnused(*report, "--payments", payments.has_value(), kind == ReportKind::InvoiceOverview);
    refuseUnused(*report, "--xls", xls, kind == ReportKind::InvoiceOverview || kind == ReportKind::CustomerRebate);
    refuseUnused(*report, "--salesman", salesman.has_value(),
                 needsSalesman(kind) || kind == ReportKind::InvoiceOverview);
    if (dateBasis)
        options.dateBasis = DateBasis(choiceOption("--date-basis", *dateBasis));
    if (payments)
        options.payments = PaymentFilter(choiceOption("--payments", *payments));
    options.exportXls = xls;
    if (kind == ReportKind::InvoiceOverview && salesman) {
        options.salesmanFilterOn = true;
        options.salesman = *salesman;
    }
    if (needsPeriod(options.report)) {
        if (!from || !to)
            throw UsageError("--from and --to are required for " + *report);
        options.from = dateOption("--from", *from);
        options.to = dateOption("--to", *to);
    }
    return options;
}

} // namespace tarvela::tool
