// Parameters of the report of a salesman's unpaid commissions: the salesman
// code, checked like in the settlement dialog.
#pragma once

#include "screens/reports/ReportDialog.h"

namespace tarvela {

class SalesmanField;
class TData;

class TSesNevProvizeForm : public ReportDialog {
    Q_OBJECT
public:
    TSesNevProvizeForm(QWidget* owner, TData& data);

    TEditOrvo* salesmanEdit() const { return salesman_; }

protected:
    bool canStart() override;

private:
    TEditOrvo* salesman_;
    SalesmanField* check_;
};

} // namespace tarvela
