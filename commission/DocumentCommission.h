// The commission of one salesman on one whole document, computed afresh into
// DokladObsahFak (emptied first) with the operation codes of its kind. The
// caller reads the rows and closes DokladObsahFak afterwards.
#pragma once

#include <string>

#include "commission/DocumentHeader.h"

namespace tarvela {

class TDataSestavy;

enum class CommissionRates {
    ProductGroups,    // GetDokladPro
    CommissionCards   // GetDokladProKar
};

void computeDocumentCommission(TDataSestavy& sestavy, const DocumentHeader& header, DocumentKind kind,
                               const std::string& salesman, CommissionRates rates);

} // namespace tarvela
