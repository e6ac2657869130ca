#include "commission/ReportStart.h"

#include "commission/TDataSestavy.h"

namespace tarvela {

void startReport(TDataSestavy& sestavy, int selector)
{
    sestavy.Sestavy.SestavyBeforePrint = [&sestavy](TBaseReport& sender) { sestavy.SestavyBeforePrint(sender); };
    sestavy.Sestavy.SestavyPrint = [&sestavy](TBaseReport& sender) { sestavy.SestavyPrint(sender); };
    sestavy.Sestavy.setOrientation(Orientation::Portrait);
    sestavy.ReportSelector = selector;
    sestavy.Sestavy.Execute();
}

} // namespace tarvela
