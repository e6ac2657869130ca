#include "commission/CommissionTablesOpen.h"

#include "data/TData.h"

namespace tarvela {

CommissionTablesOpen::CommissionTablesOpen(TData& data)
    : journal_(data.Denik, [&] { data.OpenDen(0, "DOK"); }, [&data] { data.CloseDenik(); }),
      cards_(data.Sortiment, [&] { data.OpenSor(0, "KAV"); }, [&data] { data.CloseSor(); }),
      groups_(data.SortiSkup, [&] { data.SortiSkup.open(); }, [&data] { data.SortiSkup.close(); }),
      payments_(data.Vypisy, [&] { data.OpenVyp(0, "Do1"); }, [&data] { data.CloseVyp(); }),
      salesmen_(data.Obchodnici, [&] { data.Obchodnici.open(); }, [&data] { data.Obchodnici.close(); })
{
}

} // namespace tarvela
