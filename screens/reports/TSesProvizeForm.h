// Parameters of the commission settlement reports: salesman code and period.
// "Spusť" closes with OK only while the salesman field holds a 3-character
// code; otherwise the field gets the focus, without a message.
#pragma once

#include "screens/reports/ReportDialog.h"

namespace tarvela {

class SalesmanField;
class TData;

class TSesProvizeForm : public ReportDialog {
    Q_OBJECT
public:
    TSesProvizeForm(QWidget* owner, TData& data);

    TEditOrvo* salesmanEdit() const { return salesman_; }

protected:
    bool canStart() override;

private:
    TEditOrvo* salesman_;
    SalesmanField* check_;
};

// Refuses to start without a 3-character code and gives the field the focus.
bool salesmanCodeReady(TEditOrvo& field);

} // namespace tarvela
