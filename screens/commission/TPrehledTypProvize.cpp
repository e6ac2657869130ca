#include "screens/commission/TPrehledTypProvize.h"

#include "data/company/TData.h"
#include "data/table/ScopedTableOpen.h"

namespace tarvela {

TPrehledTypProvize::TPrehledTypProvize(QWidget* owner, TData& data)
    : CodeLookupList(owner, data.ui(), data.TypProvize,
                     {QStringLiteral("Přehled typu provize"),
                      QSize(223, 110),
                      {{"TPR_TYP", QStringLiteral("Typ"), 36}, {"TPT_NAC", QStringLiteral("Název "), 169}},
                      false})
{
}

bool TPrehledTypProvize::kindExists(TData& data, const std::string& code)
{
    return codeExists(data.TypProvize, "TPR_TYP", code);
}

std::optional<std::string> TPrehledTypProvize::choose(QWidget& opener, TData& data)
{
    ScopedTableOpen kinds(data.TypProvize);
    data.TypProvize.first();
    return TPrehledTypProvize(&opener, data).chooseAt(opener, {40, 90});
}

} // namespace tarvela
