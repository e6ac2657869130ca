// The invoice browser "Přehled vydaných faktur": every issued invoice in a
// read-only grid, unpaid ones in navy and overdue ones in red, and the way
// to an invoice's payments (F9), supplementary data (F11), commission split
// (Shift+F11) and commission items (F12); F5 searches. It opens Faktury and
// FaktSlevy with the tag "DO1" (rebuilding the indexes once when that
// fails) and closes them when it is destroyed.
#pragma once

#include <QDialog>

#include "screens/payments/PaymentDefaults.h"

namespace tarvela {

class TData;
class TableBrowser;

class TFakturyPrehled : public QDialog {
    Q_OBJECT
public:
    TFakturyPrehled(QWidget* owner, TData& data);
    ~TFakturyPrehled() override;

    TableBrowser& browser() const { return *browser_; }
    PaymentDefaults& paymentDefaults() { return defaults_; }

    void search();
    void payments();
    void supplementaryData();
    void commissionSplit();
    void commissionItems();

    void done(int result) override;

private:
    void openTables();
    // True when the browser stands on an invoice with a number.
    bool hasCurrentInvoice();
    void addCommand(const QKeySequence& keys, void (TFakturyPrehled::*command)());

    TData& data_;
    PaymentDefaults defaults_;
    TableBrowser* browser_;
};

} // namespace tarvela
