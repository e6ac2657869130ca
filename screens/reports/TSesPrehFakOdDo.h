// Parameters of the invoice overview: the period (preset by the command),
// the date kind, the payment choice, the salesman filter with its field
// (enabled only while "Filtr na obchodníka" is ticked; the code is checked
// against the salesmen as in the other report dialogs) and the spreadsheet
// check box. Enter moves date kind -> payment -> filter box -> salesman
// field or spreadsheet box -> "Storno"; Enter on the filter box applies it
// without changing it.
#pragma once

#include "screens/reports/ListReportDialog.h"

namespace tarvela {

class SalesmanField;
class TData;
class TEditOrvo;

class TSesPrehFakOdDo : public ListReportDialog {
    Q_OBJECT
public:
    TSesPrehFakOdDo(QWidget* owner, TData& data);

    QButtonGroup* paymentChoice() const { return payments_; }
    QCheckBox* filterBox() const { return filter_; }
    TEditOrvo* salesmanEdit() const { return salesman_; }

    // With the payment choice and the salesman filter; the salesman code is
    // the field's trimmed text even when the filter is off.
    ReportRequest request() const override;

protected:
    QWidget* enterTarget(QObject* control) override;

private:
    // Enables the field and moves into it, or disables it and moves on.
    void applyFilterBox();

    QButtonGroup* payments_;
    QCheckBox* filter_;
    TEditOrvo* salesman_;
    SalesmanField* check_;
};

} // namespace tarvela
