#include "commission/MemTableXlsExport.h"

#include "commission/MemTableTextExport.h"
#include "report/XlsWriter.h"

namespace tarvela {

bool exportToXlsFile(MemTable& table, const std::filesystem::path& path, Ui& ui)
{
    const ExportTable rows = exportTableOf(table);
    const std::unique_ptr<CancellableProgress> progress = ui.openCancellableProgress(kXlsProgressTitle);
    return writeXlsWorkbook(rows, table.name(), path, [&](int percent) { return progress->advance(percent); });
}

std::filesystem::path datedXlsPath(const std::string& folder, const std::string& name, DayNumber day)
{
    return std::filesystem::path(folder) / (name + " k " + formatCzechDate(day) + ".xls");
}

} // namespace tarvela
