#include "ReportToolOptions.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>

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

OutputFormat formatOf(const std::string& output)
{
    std::string extension = std::filesystem::path(output).extension().string();
    std::ranges::transform(extension, extension.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    static const std::map<std::string, OutputFormat> formats{{".pdf", OutputFormat::Pdf},
                                                             {".html", OutputFormat::Html},
                                                             {".htm", OutputFormat::Html},
                                                             {".txt", OutputFormat::Text},
                                                             {".snap", OutputFormat::Snapshot}};
    const auto found = formats.find(extension);
    if (found == formats.end())
        throw UsageError("Unknown output format of '" + output + "'; use .pdf, .html, .txt or .snap");
    return found->second;
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

} // namespace

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
           "REPORT: vyuctovani, nevyplacene, procenta, skupiny, souhrn, faktury, obrat, rabat\n"
           "        (--salesman is needed by all but souhrn, faktury, obrat, rabat; faktury takes it\n"
           "        as a filter; --payments is for faktury, --xls for faktury and rabat)\n";
}

ReportToolOptions parseReportToolOptions(const std::vector<std::string>& arguments)
{
    ReportToolOptions options;
    std::optional<std::string> report, salesman, from, to, output, dateBasis, payments;
    bool xls = false;
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
        else
            throw UsageError("Unknown option " + argument);
    }
    if (!report)
        throw UsageError("No report named");
    options.report = reportNamed(*report);
    if (!output)
        throw UsageError("--output FILE is required");
    options.output = *output;
    options.format = formatOf(*output);
    if (needsSalesman(options.report)) {
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
