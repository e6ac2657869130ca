// The run of tarvela-report for several salesmen: one walk over the
// documents, then one file per salesman with documents in the output
// folder, each whole or absent. Lists on standard output who got which file
// and who got none; a file that cannot be written, or a salesman not in the
// table, is named on standard error and makes the run fail, while the other
// salesmen's files are still written and stay.
#pragma once

#include "ReportToolOptions.h"

namespace tarvela {
class TDataSestavy;
}

namespace tarvela::tool {

// Whether every salesman asked for got his file or had no documents.
bool writeSalesmenFiles(TDataSestavy& sestavy, const ReportToolOptions& options);

} // namespace tarvela::tool
