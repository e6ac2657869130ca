// The file of one salesman in a run for several salesmen:
// "CODE NAME - REPORT PERIOD.EXT", code and name without surrounding blanks
// (just "CODE - ..." without a name), REPORT the command-line name, PERIOD
// "YYYY-MM" for a whole calendar month, "YYYY" for a whole year, otherwise
// "YYYY-MM-DD_YYYY-MM-DD"; the disallowed commissions, which have no period,
// are named after the day they are judged on, "YYYY-MM-DD".
#pragma once

#include <string>

#include "ReportToolOptions.h"
#include "commission/ReportSalesman.h"

namespace tarvela::tool {

// "CODE NAME", or just "CODE" without a name, without surrounding blanks.
std::string salesmanLabel(const ReportSalesman& salesman);

std::string statementFileName(const ReportSalesman& salesman, const ReportToolOptions& options, DayNumber today);

// Why the name cannot be a file on the office's file servers (Linux and
// Windows alike), or empty when it can: a separator or a character reserved
// there, a control character, or too long a name.
std::string whyImpossibleFileName(const std::string& name);

} // namespace tarvela::tool
