// Starting the report system for one report: the print handlers of the
// report module are connected, ReportSelector is set and the pages go to
// whatever preview the report system was given.
#pragma once

namespace tarvela {

class TDataSestavy;

void startReport(TDataSestavy& sestavy, int selector);

} // namespace tarvela
