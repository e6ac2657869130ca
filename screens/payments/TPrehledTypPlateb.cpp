#include "screens/payments/TPrehledTypPlateb.h"

#include "data/company/TData.h"
#include "data/table/ScopedTableOpen.h"

namespace tarvela {

TPrehledTypPlateb::TPrehledTypPlateb(QWidget* owner, TData& data)
    : CodeLookupList(owner, data.ui(), data.TypPlatby,
                     {QStringLiteral("Přehled typu plateb"),
                      QSize(240, 137),
                      {{"BPT_KOD", QStringLiteral("Kód"), 40}, {"BPT_NAC", QStringLiteral("Popis "), 0}},
                      true})
{
}

bool TPrehledTypPlateb::typeExists(TData& data, const std::string& code)
{
    return codeExists(data.TypPlatby, "BPT_KOD", code);
}

std::optional<std::string> TPrehledTypPlateb::choose(QWidget& opener, TData& data)
{
    ScopedTableOpen types(data.TypPlatby);
    data.TypPlatby.first();
    return TPrehledTypPlateb(&opener, data).chooseAt(opener, {40, 45});
}

} // namespace tarvela
