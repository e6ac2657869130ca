// Brings a document header's payment summary in line with its payments:
// HLA_BPL the sum of its rows in Vypisy, HLA_BDP the latest payment date
// (empty without payments), HLA_PLA whether the sum covers HLA_CUH in whole
// cents. Run after every payment added, changed or deleted.
#pragma once

namespace tarvela {

class DbfTable;
class Ui;
struct PaymentStatus;

// Writes the summary into the header record that is being edited, which
// must already hold its final HLA_CUH; the caller holds the lock and posts.
void setPaidState(DbfTable& header, const PaymentStatus& status);

// `header` stands on the document's header record, which is written under
// its record lock with the summary of its payments (see sumPayments); when
// another program holds it the user sees the lock message, the header stays
// as it was and false is returned.
bool storePaidState(DbfTable& header, const PaymentStatus& status, Ui& ui);

} // namespace tarvela
