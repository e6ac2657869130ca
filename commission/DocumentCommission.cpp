#include "commission/DocumentCommission.h"

#include "commission/TDataSestavy.h"

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

} // namespace tarvela
