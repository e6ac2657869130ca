#include "screens/reports/TSesProvizeForm.h"

#include "screens/reports/SalesmanField.h"
#include "controls/TEditOrvo.h"

namespace tarvela {

bool salesmanCodeReady(TEditOrvo& field)
{
    if (field.text().trimmed().size() == 3)
        return true;
    field.setFocus(Qt::OtherFocusReason);
    return false;
}

TSesProvizeForm::TSesProvizeForm(QWidget* owner, TData& data)
    : ReportDialog(owner, QStringLiteral("Sestava provizí  za období"), 152)
{
    salesman_ = addSalesmanField();
    addPeriodFields();
    check_ = new SalesmanField(*salesman_, data);
    salesman_->setFocus();
}

bool TSesProvizeForm::canStart()
{
    return salesmanCodeReady(*salesman_);
}

} // namespace tarvela
