// The print handler's part for each report selector: each draws its whole
// report on the canvas from the tables and parameters the run prepared.
#pragma once

namespace tarvela {

class TBaseReport;
class TDataSestavy;

void printSettlement(TDataSestavy& sestavy, TBaseReport& canvas);         // 1
void printGroupReport(TDataSestavy& sestavy, TBaseReport& canvas);        // 2
void printSummary(TDataSestavy& sestavy, TBaseReport& canvas);            // 3
void printDisallowed(TDataSestavy& sestavy, TBaseReport& canvas);         // 6
void printSpecialSettlement(TDataSestavy& sestavy, TBaseReport& canvas);  // 7

} // namespace tarvela
