// The credit-note browser "Přehled vydaných dobropisů": the invoice browser's
// window on Dobropisy, plus Ctrl+F12, which shows the commission items and
// then recomputes the credit note's header totals and paid state.
#pragma once

#include "screens/invoices/TFakturyPrehled.h"

namespace tarvela {

class TDobropisyPrehled : public TFakturyPrehled {
    Q_OBJECT
public:
    TDobropisyPrehled(QWidget* owner, TData& data, CommissionItems items);

    // F12, then the header recomputation; "Hlavička dokladu rekonstruována"
    // only when the header could be locked and written.
    void repairHeader();
};

} // namespace tarvela
