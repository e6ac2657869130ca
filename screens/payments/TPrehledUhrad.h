// The payments of one document (TPrehledUhrad for an invoice,
// TPrehledUhradDob for a credit note): F2 records a payment, F4 changes one,
// Ctrl+Delete deletes one after "Delete record?". After each of them the
// document's header gets its paid sum, date and flag anew. The opener has
// opened Vypisy with the tag "DO1", restricted to the document, and stands
// the header table on the document; the list shows only rows whose number
// is exactly the document's.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/ReadBatch.h"

namespace tarvela {

class DbfTable;
class TData;
class TableBrowser;
struct PaymentDefaults;

class TPrehledUhrad : public QDialog {
    Q_OBJECT
public:
    TPrehledUhrad(QWidget* owner, TData& data, PaymentDefaults& defaults);

    TableBrowser& browser() const { return *browser_; }

    void newPayment();
    void changePayment();
    void deletePayment();

protected:
    TPrehledUhrad(QWidget* owner, TData& data, DbfTable& header, PaymentDefaults& defaults);

private:
    // Runs the payment dialog on the row Vypisy inserts or edits; true when
    // the row is to be stored, which begins the command's read batch.
    bool formAccepted();
    // In the command's batch: sums the document's payments and shows the
    // rows again, then ends the batch and writes the header.
    void updateHeader(const std::function<void()>& showRows);
    int widthShowingAmounts() const;

    TData& data_;
    DbfTable& header_;
    PaymentDefaults& defaults_;
    std::string document_;
    std::uint32_t headerRecord_;
    TableBrowser* browser_;
    // From the user's last answer to the end of a command: the write, the
    // new sum and the list's rows read together, waiting on no user.
    std::optional<ReadBatch> writing_;
};

class TPrehledUhradDob : public TPrehledUhrad {
    Q_OBJECT
public:
    TPrehledUhradDob(QWidget* owner, TData& data, PaymentDefaults& defaults);
};

} // namespace tarvela
