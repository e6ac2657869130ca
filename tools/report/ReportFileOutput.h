// Saves the pages of a report in the format chosen on the command line,
// with the same writers the preview uses. PDF needs the Qt GUI library,
// which is started here on the offscreen platform when no display is set.
#pragma once

#include <string>

#include "ReportToolOptions.h"
#include "report/PageModel.h"

namespace tarvela::tool {

void saveReport(const ReportDocument& pages, OutputFormat format, const std::string& path);

} // namespace tarvela::tool
