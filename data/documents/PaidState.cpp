#include "data/documents/PaidState.h"

#include "data/documents/PaymentStatus.h"
#include "data/table/DbfTable.h"
#include "data/table/LockRecordWithRetry.h"

namespace tarvela {

void setPaidState(DbfTable& header, const PaymentStatus& status)
{
    header.setBool("HLA_PLA", isPaidInFull(status.paidSum, header.asFloat("HLA_CUH")));
    header.setFloat("HLA_BPL", status.paidSum);
    header.setDate("HLA_BDP", status.lastPaymentDate);
}

bool storePaidState(DbfTable& header, const PaymentStatus& status, Ui& ui)
{
    if (!LockRecordWithRetry(header, ui))
        return false;
    try {
        header.edit();
        setPaidState(header, status);
        header.post();
    } catch (...) {
        header.cancel();
        header.unlockRecord();
        throw;
    }
    header.unlockRecord();
    return true;
}

} // namespace tarvela
