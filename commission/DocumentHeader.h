// The header fields of an invoice or credit note that the settlement reports
// read, taken from the current record of Faktury or Dobropisy.
#pragma once

#include <string>

#include "platform/Date.h"

namespace tarvela {

class DbfTable;

enum class DocumentKind { Invoice, CreditNote };

struct DocumentHeader {
    std::string number;            // HLA_DO1
    std::string correctedInvoice;  // HLA_DO2, of a credit note
    std::string salesman;          // HLA_OBC
    std::string customer;          // HLA_NAC
    DayNumber issueDate = 0;       // HLA_DVS
    DayNumber dueDate = 0;         // HLA_DSP
    double total = 0;              // HLA_CUH
};

DocumentHeader readDocumentHeader(const DbfTable& table);

// The operation codes of the commission computation for the document kind:
// sales "004" for invoices and "008" for credit notes.
const char* salesCodesOf(DocumentKind kind);
inline const char* const kTradeDiscountCodes = "300";

} // namespace tarvela
