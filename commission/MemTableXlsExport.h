// Saves the rows of a report's memory table as a spreadsheet file: every
// field in field order, every row in the table's current order, under the
// progress window "Export do MS Excel" whose user may cancel. A cancelled
// export leaves no file and returns false; a failure raises an Error and
// leaves an earlier file of that name as it was.
#pragma once

#include <filesystem>

#include "data/mem/MemTable.h"
#include "platform/Ui.h"

namespace tarvela {

inline constexpr const char* kXlsProgressTitle = "Export do MS Excel";

bool exportToXlsFile(MemTable& table, const std::filesystem::path& path, Ui& ui);

// documents folder / (name + " k " + day "dd.mm.yyyy" + ".xls")
std::filesystem::path datedXlsPath(const std::string& folder, const std::string& name, DayNumber day);

} // namespace tarvela
