#include "data/TData.h"

#include "data/IndexCatalogue.h"
#include "data/IndexLeftovers.h"
#include "data/TableCatalogue.h"
#include "data/TableReindex.h"

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
