// The product range search: by name, card number or basic sale price. It
// seeks the nearest key on Sortiment and leaves the chosen tag active, so
// the list is then ordered by it.
#pragma once

#include "screens/invoices/TFakHle.h"

namespace tarvela {

class TSorHle : public TFakHle {
    Q_OBJECT
public:
    TSorHle(QWidget* owner, TData& data);
};

} // namespace tarvela
