#include "commission/ReportTablesOpen.h"

#include "data/documents/DocumentRows.h"
#include "data/company/TData.h"
#include "platform/Text.h"

namespace tarvela {

namespace {

} // namespace

ReportTablesOpen::ReportTablesOpen(TData& data)
    : salesmen_(data.Obchodnici),
      invoices_(data, data.Faktury, "DO1"),
      splits_(data, data.DelProv, "DO1"),
      creditNotes_(data, data.Dobropisy, "DO1")
{
    // Tables found open stay open but take the run's tags.
    for (DbfTable* table : {&data.Faktury, &data.DelProv, &data.Dobropisy})
        if (table->isOpen())
            data.openTable(*table, "DO1");
}

bool locateSalesman(TData& data, const std::string& salesman)
{
    return data.Obchodnici.locate({"OBC_KOD"}, {withoutTrailingBlanks(salesman)});
}

} // namespace tarvela
