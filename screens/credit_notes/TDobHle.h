// The credit-note search: number, customer name, number of the credited
// invoice and pro-forma number, sought on Dobropisy as the invoice search
// seeks on Faktury.
#pragma once

#include "screens/invoices/TFakHle.h"

namespace tarvela {

class TDobHle : public TFakHle {
    Q_OBJECT
public:
    TDobHle(QWidget* owner, TData& data);
};

} // namespace tarvela
