#include "commission/ReportSalesman.h"

#include "data/table/DbfTable.h"

namespace tarvela {

ReportSalesman readReportSalesman(const DbfTable& obchodnici)
{
    return {obchodnici.asString("OBC_KOD"), obchodnici.asString("OBC_NAC"), obchodnici.asFloat("OBC_SPL")};
}

} // namespace tarvela
