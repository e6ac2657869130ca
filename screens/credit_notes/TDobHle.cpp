#include "screens/credit_notes/TDobHle.h"

#include "data/company/TData.h"

namespace tarvela {

TDobHle::TDobHle(QWidget* owner, TData& data)
    : TFakHle(owner, data, data.Dobropisy,
              {QStringLiteral("Hledej dle čísla dobropisu"), QStringLiteral("Hledej název odběratele"),
               QStringLiteral("Hledej dle čísla faktury "), QStringLiteral("Hledej dle čísla proformy")},
              documentKeyOf(data.Dobropisy))
{
}

} // namespace tarvela
