#include "DemoModel.h"

#include "data/catalogue/TableCatalogue.h"
#include "platform/Error.h"

namespace tarvela::demo {

// Documents from the autumn of 2006 to the end of 2007, so that the group
// valid before 2007 matters for part of them.
DemoModel::DemoModel(std::string directory, std::uint32_t seed, int scaleFactor, bool withAnomalies)
    : dataDirectory(std::move(directory)),
      scale(scaleFactor),
      anomalies(withAnomalies),
      random(seed),
      firstDay(toDayNumber({2006, 10, 1})),
      lastDay(toDayNumber({2007, 12, 31})),
      paymentsUntil(toDayNumber({2008, 2, 29}))
{
}

std::string DemoModel::fileName(const std::string& member) const
{
    const CatalogueEntry* entry = findCatalogueEntry(member);
    if (!entry)
        throw Error(formatMessage("Tabulka %s není v katalogu", member));
    return entry->fileBaseName(company);
}

} // namespace tarvela::demo
