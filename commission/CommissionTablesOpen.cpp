#include "commission/CommissionTablesOpen.h"

#include "data/company/TData.h"

namespace tarvela {

CommissionTablesOpen::CommissionTablesOpen(TData& data)
    : journal_(data, data.Denik, "DOK"),
      cards_(data, data.Sortiment, "KAV"),
      groups_(data.SortiSkup),
      payments_(data, data.Vypisy, "Do1"),
      salesmen_(data.Obchodnici)
{
}

} // namespace tarvela
