// The command line of tarvela-report:
//   tarvela-report [--program-dir DIR] [--documents DIR] [--today DD.MM.YYYY]
//                  REPORT [--salesman CODE] [--from DD.MM.YYYY] [--to DD.MM.YYYY]
//                  [--date-basis 0|1|2] [--payments 0|1|2] [--xls] --output FILE
//   tarvela-report ... REPORT --all-salesmen|--salesmen A,B,... [--from --to]
//                  --output-dir DIR [--format pdf|html|txt|snapshot]
// Parsing checks everything that can be checked without the data: the
// report name, the dates, the options each report needs, the output format.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "commission/ReportRequest.h"
#include "platform/Date.h"

namespace tarvela::tool {

enum class ReportKind {
    Settlement,
    Disallowed,
    SpecialSettlement,
    Groups,
    Summary,
    InvoiceOverview,
    SalesTurnover,
    CustomerRebate
};
enum class OutputFormat { Pdf, Html, Text, Snapshot };

struct ReportToolOptions {
    std::optional<std::string> programDirectory;
    std::optional<std::string> documentsFolder;
    std::optional<DayNumber> today;
    ReportKind report = ReportKind::Settlement;
    std::string salesman;
    DayNumber from = 0;
    DayNumber to = 0;
    std::string output;
    OutputFormat format = OutputFormat::Pdf;
    // Several salesmen's reports, one file each in outputDir: every salesman
    // of Obchodnici when `salesmen` is empty, else those codes, each once.
    bool severalSalesmen = false;
    std::vector<std::string> salesmen;
    std::string outputDir;
    // The list reports' choices; the salesman filter is on when --salesman
    // is given to the invoice overview.
    DateBasis dateBasis = DateBasis::IssueDate;
    PaymentFilter payments = PaymentFilter::All;
    bool salesmanFilterOn = false;
    bool exportXls = false;
};

// Throws UsageError with a message for the user on any mistake.
ReportToolOptions parseReportToolOptions(const std::vector<std::string>& arguments);

const char* usageText();

// The extension of the files of the format (".snap").
const char* extensionOf(OutputFormat format);

// The report's name on the command line ("vyuctovani").
const char* reportNameOf(ReportKind report);

// Whether the report is made for one salesman.
bool needsSalesman(ReportKind report);

// The request of a list report made from the options.
ReportRequest listReportRequest(const ReportToolOptions& options);

} // namespace tarvela::tool
