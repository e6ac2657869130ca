#include "data/verify/CardGroupCheck.h"

#include <unordered_set>

#include "data/company/TData.h"
#include "data/verify/TableReading.h"

namespace tarvela {

Findings checkCardGroups(TData& data)
{
    std::unordered_set<std::string> groups;
    readEveryRecord(data.SortiSkup, [&] { groups.insert(data.SortiSkup.asString("SSK_SKU")); });
    Findings findings;
    const std::string file = data.Sortiment.tableName();
    readEveryRecord(data.Sortiment, [&] {
        const std::string group = data.Sortiment.asString("SOR_SKU");
        if (!group.empty() && groups.contains(group))
            return;
        const std::string detail = group.empty() ? "SOR_SKU is blank"
                                                 : "SOR_SKU " + group + " is not a group of "
                                                       + data.SortiSkup.tableName();
        findings.push_back({FindingKind::CardGroup, file, data.Sortiment.asString("SOR_KAV"), detail});
    });
    return findings;
}

} // namespace tarvela
