#include "ReportToolOptions.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>

#include "tools/common/ToolMain.h"

namespace tarvela::tool {

namespace {

struct ReportName {
    const char* name;
    std::optional<ReportKind> kind;  // nullopt: not available yet
};

const ReportName kReports[] = {
    {"vyuctovani", ReportKind::Settlement}, {"nevyplacene", ReportKind::Disallowed},
    {"procenta", ReportKind::SpecialSettlement}, {"skupiny", ReportKind::Groups},
    {"souhrn", ReportKind::Summary}, {"faktury", std::nullopt}, {"obrat", std::nullopt},
    {"rabat", std::nullopt},
};

ReportKind reportNamed(const std::string& name)
{
    const auto found = std::ranges::find_if(kReports, [&](const ReportName& r) { return name == r.name; });
    if (found == std::end(kReports))
        throw UsageError("Unknown report '" + name + "'; use vyuctovani, nevyplacene, procenta, skupiny or souhrn");
    if (!found->kind)
        throw UsageError("The report '" + name + "' is not available yet");
    return *found->kind;
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

} // namespace

bool needsSalesman(ReportKind report)
{
    return report != ReportKind::Summary;
}

const char* usageText()
{
    return "Usage: tarvela-report [--program-dir DIR] [--documents DIR] [--today DD.MM.YYYY]\n"
           "                      REPORT [--salesman CODE] [--from DD.MM.YYYY] [--to DD.MM.YYYY]\n"
           "                      --output FILE.pdf|.html|.txt|.snap\n"
           "REPORT: vyuctovani, nevyplacene, procenta, skupiny, souhrn\n";
}

ReportToolOptions parseReportToolOptions(const std::vector<std::string>& arguments)
{
    ReportToolOptions options;
    std::optional<std::string> report, salesman, from, to, output;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!argument.starts_with("--")) {
            if (report)
                throw UsageError("Unexpected argument '" + argument + "'");
            report = argument;
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
    if (needsPeriod(options.report)) {
        if (!from || !to)
            throw UsageError("--from and --to are required for " + *report);
        options.from = dateOption("--from", *from);
        options.to = dateOption("--to", *to);
    }
    return options;
}

} // namespace tarvela::tool
