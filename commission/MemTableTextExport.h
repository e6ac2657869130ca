// Saves the rows of a report's memory table as the comma-separated text
// export: every field in field order under its label (its name when it has
// none), every row in the table's current order, calculated fields as the
// table's calculation fills them. A field left empty (a text of no
// characters, a number or date never assigned) is an empty value, an
// assigned zero is a zero. Raises an Error when the file cannot be
// written; an earlier file of that name is then left as it was.
#pragma once

#include <filesystem>

#include "data/mem/MemTable.h"
#include "report/TextExport.h"

namespace tarvela {

ExportTable exportTableOf(MemTable& table);
void exportToTextFile(MemTable& table, const std::filesystem::path& path);

} // namespace tarvela
