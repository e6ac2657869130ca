// The header fields of an invoice or credit note that the list reports read
// (invoice overview, sales by salesman, customer rebate), taken from the
// current record of a document cursor.
#pragma once

#include <string>
#include <vector>

#include "commission/ReportRequest.h"
#include "platform/Date.h"

namespace tarvela {

class DbfTable;

struct ListedDocument {
    std::string number;        // HLA_DO1
    std::string proforma;      // HLA_DO2; of a credit note the invoice it corrects
    std::string customerId;    // HLA_ODB
    std::string branch;        // HLA_ODP
    std::string customerName;  // HLA_NAC
    std::string salesman;      // HLA_OBC
    DayNumber entered = 0;     // HLA_DAT "Vystaveno", the key of the tag "DAT"
    DayNumber issued = 0;      // HLA_DVS
    DayNumber taxableSupply = 0;  // HLA_DZP
    DayNumber due = 0;         // HLA_DSP
};

ListedDocument readListedDocument(const DbfTable& documents);

// A few dozen documents that a report reads together.
using DocumentBatch = std::vector<ListedDocument>;
std::vector<std::string> numbersOf(const DocumentBatch& documents);

// The date the basis picks; issueDate is HLA_DAT or HLA_DVS, as the report says.
DayNumber dateByBasis(const ListedDocument& document, DateBasis basis, DayNumber issueDate);

} // namespace tarvela
