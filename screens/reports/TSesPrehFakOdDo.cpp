#include "screens/reports/TSesPrehFakOdDo.h"

#include <QButtonGroup>
#include <QCheckBox>

#include "controls/TEditOrvo.h"
#include "screens/reports/SalesmanField.h"

namespace tarvela {

TSesPrehFakOdDo::TSesPrehFakOdDo(QWidget* owner, TData& data)
    : ListReportDialog(owner, QStringLiteral("Sestava přehledu dokladů"), 340,
                       QStringLiteral("Sestava dokladů od data"),
                       {QStringLiteral("Datumem je datum vystavení fakury"),
                        QStringLiteral("Datumem je datum zdanitelného plnění"),
                        QStringLiteral("Datumem je datum splatnosti faktury")})
{
    payments_ = addChoice({QStringLiteral("Zařadit všechny vystavené faktury"),
                           QStringLiteral("Zařadit pouze zaplacené faktury"),
                           QStringLiteral("Zařadit pouze nezaplacené faktury")});
    const int filterTop = nextTop();
    filter_ = addCheckBox(QStringLiteral("Filtr na obchodníka"), 145);
    salesman_ = new TEditOrvo(this);
    salesman_->setGeometry(160, filterTop, 70, 21);
    salesman_->setButtonVisible(true);
    salesman_->setButtonWidth(21);
    salesman_->setEnabled(false);
    check_ = new SalesmanField(*salesman_, data);
    skip(30);
    addXlsBox();
    setTabOrder(filter_, salesman_);
    setTabOrder(salesman_, xlsBox());
    connect(filter_, &QCheckBox::clicked, this, &TSesPrehFakOdDo::applyFilterBox);
}

void TSesPrehFakOdDo::applyFilterBox()
{
    const bool on = filter_->isChecked();
    salesman_->setEnabled(on);
    if (on)
        salesman_->setFocus(Qt::OtherFocusReason);
    else
        xlsBox()->setFocus(Qt::OtherFocusReason);
}

QWidget* TSesPrehFakOdDo::enterTarget(QObject* control)
{
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (dateKind()->buttons().contains(button))
        return focusOf(payments_);
    if (payments_->buttons().contains(button))
        return filter_;
    if (control == filter_) {
        applyFilterBox();
        return focusWidget();
    }
    return ListReportDialog::enterTarget(control);
}

ReportRequest TSesPrehFakOdDo::request() const
{
    ReportRequest request = ListReportDialog::request();
    request.paymentFilter = PaymentFilter(payments_->checkedId());
    request.salesmanFilterOn = filter_->isChecked();
    request.salesmanFilter = salesman_->text().trimmed().toStdString();
    return request;
}

} // namespace tarvela
