#include "commission/dialogs/TSesNevProvizeForm.h"

#include "commission/dialogs/SalesmanField.h"
#include "commission/dialogs/TSesProvizeForm.h"
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
