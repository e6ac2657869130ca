#include "commission/DocumentHeader.h"

#include "data/table/DbfTable.h"

namespace tarvela {

DocumentHeader readDocumentHeader(const DbfTable& table)
{
    DocumentHeader header;
    header.number = table.asString("HLA_DO1");
    header.correctedInvoice = table.asString("HLA_DO2");
    header.salesman = table.asString("HLA_OBC");
    header.customer = table.asString("HLA_NAC");
    header.issueDate = table.asDate("HLA_DVS");
    header.dueDate = table.asDate("HLA_DSP");
    header.total = table.asFloat("HLA_CUH");
    return header;
}

const char* salesCodesOf(DocumentKind kind)
{
    return kind == DocumentKind::Invoice ? "004" : "008";
}

} // namespace tarvela
