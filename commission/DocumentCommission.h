// The commission of one salesman on one whole document, computed afresh into
// DokladObsahFak (emptied first) with the operation codes of its kind. The
// caller reads the rows and closes DokladObsahFak afterwards.
#pragma once

#include <string>

#include "commission/DocumentHeader.h"

namespace tarvela {

class DbfTable;
class MemTable;
class TDataSestavy;

enum class CommissionRates {
    ProductGroups,    // GetDokladPro
    CommissionCards   // GetDokladProKar
};

void computeDocumentCommission(TDataSestavy& sestavy, const DocumentHeader& header, DocumentKind kind,
                               const std::string& salesman, CommissionRates rates);

// The commission items of the document the header table stands on, for the
// salesman written on it, at product-group rates (what F12 of the document
// browsers shows). DelProv is open for the computation only; DokladObsahFak
// is left open with the rows, for the caller to close.
MemTable& commissionItemsOf(TDataSestavy& sestavy, const DbfTable& header, DocumentKind kind);

} // namespace tarvela
