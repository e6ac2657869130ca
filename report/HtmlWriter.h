// Saves a report as HTML, one plain file per page, positioned absolutely so
// that a browser shows each page as the preview does. The first page takes
// the chosen name, page n the name with "_n" before the extension.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "report/PageModel.h"

namespace tarvela {

std::vector<std::filesystem::path> htmlPageFileNames(const std::filesystem::path& chosen, size_t pageCount);
std::string htmlPage(const ReportDocument& document, size_t pageIndex,
                     const std::vector<std::filesystem::path>& fileNames);
void writeHtml(const ReportDocument& document, const std::filesystem::path& chosen);

} // namespace tarvela
