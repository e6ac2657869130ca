// The salesman a settlement report is made for, as the run located him in
// Obchodnici: code, name and payment limit in days after the due date.
#pragma once

#include <string>

namespace tarvela {

class DbfTable;

struct ReportSalesman {
    std::string code;          // OBC_KOD
    std::string name;          // OBC_NAC
    double paymentLimit = 0;   // OBC_SPL
};

// From the current record of Obchodnici.
ReportSalesman readReportSalesman(const DbfTable& obchodnici);

} // namespace tarvela
