#include "data/company/TData.h"

#include "data/catalogue/IndexCatalogue.h"
#include "data/catalogue/TableCatalogue.h"
#include "data/company/IndexLeftovers.h"
#include "data/company/TableReindex.h"

namespace tarvela {

// Goes through every indexed table even when some fail; the result tells the
// callers whether every table was found and rebuilt. Starts by clearing what
// an earlier reindex that was killed left behind.
bool TData::Index()
{
    removeIndexLeftovers(settings_.dataDirectory);
    bool allRebuilt = true;
    for (const IndexedTable& entry : indexCatalogue()) {
        const CatalogueEntry* catalogued = findCatalogueEntry(entry.member);
        const ReindexTarget target{settings_.dataDirectory,
                                   catalogued->fileBaseName(settings_.companyNumber),
                                   entry.indexBaseName(settings_.companyNumber)};
        allRebuilt = reindexTable(this->*catalogued->table, entry, target, ui_) && allRebuilt;
    }
    return allRebuilt;
}

} // namespace tarvela
