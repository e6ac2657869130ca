// The command line of tarvela-report:
//   tarvela-report [--program-dir DIR] [--documents DIR] [--today DD.MM.YYYY]
//                  REPORT [--salesman CODE] [--from DD.MM.YYYY] [--to DD.MM.YYYY]
//                  --output FILE
// Parsing checks everything that can be checked without the data: the
// report name, the dates, the options each report needs, the output format.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Date.h"

namespace tarvela::tool {

enum class ReportKind { Settlement, Disallowed, SpecialSettlement, Groups, Summary };
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
};

// Throws UsageError with a message for the user on any mistake.
ReportToolOptions parseReportToolOptions(const std::vector<std::string>& arguments);

const char* usageText();

// Whether the report is made for one salesman.
bool needsSalesman(ReportKind report);

} // namespace tarvela::tool
