// The invoice browser "Přehled vydaných faktur": every issued invoice in a
// read-only grid, unpaid ones in navy and overdue ones in red, and the way
// to an invoice's payments (F9), supplementary data (F11), commission split
// (Shift+F11) and commission items (F12); F5 searches. It opens Faktury and
// FaktSlevy with the tag "DO1" (rebuilding the indexes once when that
// fails) and closes them when it is destroyed. The credit-note browser is
// the same window on Dobropisy (protected constructor, TDobropisyPrehled).
#pragma once

#include <QDialog>
#include <functional>

#include "commission/DocumentHeader.h"

#include "screens/payments/PaymentDefaults.h"

namespace tarvela {

class DbfTable;
class MemTable;
class OuterHeight;
class TData;
class TableBrowser;

// Computes the commission items of the document the header table stands on
// into DokladObsahFak and returns it open (ReportRuns::CommissionItems).
using CommissionItems = std::function<MemTable&(const DbfTable& header, DocumentKind kind)>;

class TFakturyPrehled : public QDialog {
    Q_OBJECT
public:
    TFakturyPrehled(QWidget* owner, TData& data, CommissionItems items);
    ~TFakturyPrehled() override;

    TableBrowser& browser() const { return *browser_; }
    PaymentDefaults& paymentDefaults() { return defaults_; }

    void search();
    void payments();
    void supplementaryData();
    void commissionSplit();
    void commissionItems();

    void done(int result) override;

protected:
    TFakturyPrehled(QWidget* owner, TData& data, CommissionItems items, DocumentKind kind);
    void changeEvent(QEvent* event) override;

    TData& data() const { return data_; }
    DbfTable& documents() const { return documents_; }
    // True when the browser stands on a document with a number.
    bool hasCurrentDocument();

private:
    void openTables();
    void closeTables();

    TData& data_;
    DocumentKind kind_;
    DbfTable& documents_;
    CommissionItems items_;
    PaymentDefaults defaults_;
    TableBrowser* browser_;
    OuterHeight* height_;
};

} // namespace tarvela
