#include "commission/ReportTablesOpen.h"

#include "data/documents/DocumentRows.h"
#include "data/company/TData.h"
#include "platform/Text.h"

namespace tarvela {

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

std::vector<std::string> salesmanCodes(TData& data)
{
    const ScopedTableOpen open(data.Obchodnici);
    std::vector<std::string> codes;
    for (data.Obchodnici.first(); !data.Obchodnici.eof(); data.Obchodnici.next())
        if (std::string code = trimmed(data.Obchodnici.asString("OBC_KOD")); !code.empty())
            codes.push_back(std::move(code));
    return codes;
}

} // namespace tarvela
