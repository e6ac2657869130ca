#include "data/company/TData.h"

#include <filesystem>

#include "data/catalogue/IndexCatalogue.h"
#include "data/catalogue/TableCatalogue.h"
#include "data/company/IndexLeftovers.h"
#include "data/company/TableReindex.h"
#include "data/company/TableRunProgress.h"

namespace tarvela {

bool TData::Index()
{
    return reindexAll().empty();
}

// Goes through every indexed table even when some fail. Starts by clearing
// what an earlier reindex that was killed left behind.
std::vector<std::string> TData::reindexAll(TableRunProgress* progress)
{
    removeIndexLeftovers(settings_.dataDirectory);
    if (progress)
        progress->start(indexCatalogue().size());
    std::vector<std::string> leftOut;
    for (const IndexedTable& entry : indexCatalogue()) {
        const CatalogueEntry* catalogued = findCatalogueEntry(entry.member);
        const ReindexTarget target{settings_.dataDirectory,
                                   catalogued->fileBaseName(settings_.companyNumber),
                                   entry.indexBaseName(settings_.companyNumber)};
        DbfTable& table = this->*catalogued->table;
        const std::string file = std::filesystem::path(table.filePath()).filename().string();
        if (progress)
            progress->beginTable(file);
        if (!reindexTable(table, entry, target, ui_, progress))
            leftOut.push_back(file);
    }
    return leftOut;
}

} // namespace tarvela
