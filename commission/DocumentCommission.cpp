#include "commission/DocumentCommission.h"

#include "commission/TDataSestavy.h"
#include "data/table/ScopedTableOpen.h"

namespace tarvela {

void computeDocumentCommission(TDataSestavy& sestavy, const DocumentHeader& header, DocumentKind kind,
                               const std::string& salesman, CommissionRates rates)
{
    sestavy.DokladObsahFak.open();
    sestavy.DokladObsahFak.removeAllRows();
    if (rates == CommissionRates::ProductGroups)
        sestavy.GetDokladPro(header.number, salesCodesOf(kind), header.issueDate, salesman, kTradeDiscountCodes,
                             "", "");
    else
        sestavy.GetDokladProKar(header.number, salesCodesOf(kind), header.issueDate, salesman,
                                kTradeDiscountCodes, "", "");
}

MemTable& commissionItemsOf(TDataSestavy& sestavy, const DbfTable& header, DocumentKind kind)
{
    const DocumentHeader document = readDocumentHeader(header);
    ScopedTableOpen splits(sestavy.data(), sestavy.data().DelProv, "DO1");
    computeDocumentCommission(sestavy, document, kind, document.salesman, CommissionRates::ProductGroups);
    return sestavy.DokladObsahFak;
}

} // namespace tarvela
