// The handlers the report system calls for every report of the module.
#include "commission/TDataSestavy.h"

#include "commission/ReportPrints.h"

namespace tarvela {

void TDataSestavy::SestavyBeforePrint(TBaseReport& sender)
{
    sender.Printer().select(data_.settings().mainPrinterIndex);
}

void TDataSestavy::SestavyPrint(TBaseReport& sender)
{
    switch (ReportSelector) {
    case 1: printSettlement(*this, sender); break;
    case 2: printGroupReport(*this, sender); break;
    case 3: printSummary(*this, sender); break;
    case 6: printDisallowed(*this, sender); break;
    case 7: printSpecialSettlement(*this, sender); break;
    default: break;
    }
}

} // namespace tarvela
