#include "data/company/PrinterChoice.h"

#include "data/company/TData.h"
#include "data/table/HeldRecordWrite.h"
#include "data/table/LockRecordWithRetry.h"
#include "data/table/ScopedTableOpen.h"

namespace tarvela {

bool storePrinterChoice(TData& data, int mainPrinter, int receiptPrinter)
{
    DbfTable& owner = data.Vlastnik;
    ScopedTableOpen opened(owner);
    owner.first();
    const bool exists = !owner.eof();
    if (exists && !LockRecordWithRetry(owner, data.ui()))
        return false;
    {
        HeldRecordWrite held(owner);
        if (exists)
            owner.edit();
        else
            owner.append();
        owner.setInteger("VLA_PR1", mainPrinter);
        owner.setInteger("VLA_PR2", receiptPrinter);
        owner.post();
    }
    data.settings().mainPrinterIndex = mainPrinter;
    data.settings().receiptPrinterIndex = receiptPrinter;
    data.ZapisNastaveniTiskaren();
    return true;
}

} // namespace tarvela
