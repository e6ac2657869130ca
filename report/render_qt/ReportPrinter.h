// Prints a report on an installed printer, without a set-up dialog, under
// the fixed job title. The printer is chosen by its position in the list of
// installed printers (-1: the default printer); a position that no longer
// exists falls back to the default. Failures raise an Error with the text
// to show.
#pragma once

#include <QPrinterInfo>

#include "report/PageModel.h"
#include "report/ReportStatus.h"

namespace tarvela {

// The printer at the position; a null QPrinterInfo when none is installed.
QPrinterInfo printerAt(int index);

// Shows "Tisknu stranu %p" in status while printing; a cancel there aborts
// the job.
void printReport(const ReportDocument& document, int printerIndex, ReportStatus& status);

} // namespace tarvela
