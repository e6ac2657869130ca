#include "screens/reports/TSesNevProvizeForm.h"

#include "screens/reports/SalesmanField.h"
#include "screens/reports/TSesProvizeForm.h"
#include "controls/TEditOrvo.h"

namespace tarvela {

TSesNevProvizeForm::TSesNevProvizeForm(QWidget* owner, TData& data)
    : ReportDialog(owner, QStringLiteral("Sestava nevyplacených provizí"), 106)
{
    salesman_ = addSalesmanField();
    check_ = new SalesmanField(*salesman_, data);
    salesman_->setFocus();
}

bool TSesNevProvizeForm::canStart()
{
    return salesmanCodeReady(*salesman_);
}

} // namespace tarvela
