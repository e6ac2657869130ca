#include "screens/salesmen/SalesmanLookup.h"

#include "data/company/TData.h"
#include "data/table/ScopedTableOpen.h"
#include "gui/WindowPlacement.h"
#include "platform/Text.h"
#include "screens/salesmen/TPrehledObchZas.h"

namespace tarvela {

bool salesmanExists(TData& data, const std::string& code)
{
    if (code.size() != 3)
        return false;
    ScopedTableOpen salesmen(data.Obchodnici);
    return data.Obchodnici.locate({"OBC_KOD"}, {FieldValue(code)});
}

std::string salesmanName(TData& data, const std::string& code)
{
    if (trimmed(code).empty())
        return {};
    ScopedTableOpen salesmen(data.Obchodnici);
    if (!data.Obchodnici.locate({"OBC_KOD"}, {FieldValue(trimmed(code))}))
        return {};
    return withoutTrailingBlanks(data.Obchodnici.asString("OBC_NAC"));
}

std::optional<std::string> chooseSalesman(QWidget& dialog, TData& data)
{
    ScopedTableOpen salesmen(data.Obchodnici);
    data.Obchodnici.first();
    TPrehledObchZas list(&dialog, data);
    list.setSelectionMode(true);
    placeAt(list, dialog, 40, 30);
    if (list.exec() != QDialog::Accepted)
        return std::nullopt;
    return data.Obchodnici.asString("OBC_KOD");
}

} // namespace tarvela
