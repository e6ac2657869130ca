#include "data/company/PrinterChoice.h"

#include "data/company/TData.h"
#include "data/table/HeldRecordWrite.h"
#include "data/table/LockRecordWithRetry.h"
#include "data/table/ScopedTableOpen.h"

namespace tarvela {

bool storePrinterChoice(TData& data, std::optional<int> mainPrinter, std::optional<int> receiptPrinter)
{
    if (!mainPrinter && !receiptPrinter)
        return true;
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
        if (mainPrinter)
            owner.setInteger("VLA_PR1", *mainPrinter);
        if (receiptPrinter)
            owner.setInteger("VLA_PR2", *receiptPrinter);
        owner.post();
    }
    data.settings().mainPrinterIndex = mainPrinter.value_or(data.settings().mainPrinterIndex);
    data.settings().receiptPrinterIndex = receiptPrinter.value_or(data.settings().receiptPrinterIndex);
    data.ZapisNastaveniTiskaren();
    return true;
}

} // namespace tarvela
