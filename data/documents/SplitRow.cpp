#include "data/documents/SplitRow.h"

#include "data/table/DbfTable.h"
#include "platform/Text.h"

namespace tarvela {

void presetSplitRow(DbfTable& delProv, const std::string& document)
{
    delProv.setString("DPR_FAK", document);
    delProv.setString("DPR_TYP", kGroupRatesKind);
    delProv.setFloat("DPR_OBR", 100);
    delProv.setFloat("DPR_PRO", 100);
}

void settleFixedRate(DbfTable& delProv)
{
    if (trimmed(delProv.asString("DPR_TYP")) == kGroupRatesKind)
        delProv.setFloat("DPR_PRS", 0);
}

} // namespace tarvela
