#include "commission/TDataSestavy.h"

#include "commission/DokladObsahFak.h"

namespace tarvela {

TDataSestavy::TDataSestavy(TData& data) : DokladObsahFak(makeDokladObsahFak()), data_(data) {}

double TDataSestavy::GetPlacenoFaktura(const std::string& document, DayNumber& paymentDate)
{
    return data_.GetPlacenoFaktura(document, paymentDate);
}

} // namespace tarvela
