#include "report/render_qt/InstalledPrinters.h"

#include <QPrinterInfo>

namespace tarvela {

QStringList SystemPrinters::names() const
{
    QStringList names;
    for (const QPrinterInfo& printer : QPrinterInfo::availablePrinters())
        names << printer.printerName();
    return names;
}

} // namespace tarvela
