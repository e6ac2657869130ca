// The plain-text form of a report, for the command line and the tests: one
// line per canvas line that carries text, its texts left to right joined by
// a tab, and a line holding only a form feed between pages.
#pragma once

#include <filesystem>
#include <string>

#include "report/PageModel.h"

namespace tarvela {

std::string plainText(const ReportDocument& document);
void writePlainText(const ReportDocument& document, const std::filesystem::path& path);

} // namespace tarvela
