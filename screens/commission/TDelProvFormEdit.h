// The dialog of one commission split row: salesman (checked, with the
// salesmen list as lookup and his name below), commission kind (checked,
// with the kinds list as lookup), the fixed rate, enabled only for kind
// "002", and the commission and turnover shares. The opener puts the DelProv
// row into insert or edit state and posts it when "Zapiš" closes the dialog
// with OK; the dialog has then written every field and 0 as the rate of
// kind "001". "Zapiš" checks the salesman and the kind only when their
// fields were entered or changed, as leaving them does.
#pragma once

#include <QDialog>

class QLabel;

namespace tarvela {

class EnteredField;
class TDBEditOrvo;
class TData;

class TDelProvFormEdit : public QDialog {
    Q_OBJECT
public:
    TDelProvFormEdit(QWidget* owner, TData& data);

    TDBEditOrvo& salesmanEdit() const { return *salesman_; }
    TDBEditOrvo& kindEdit() const { return *kind_; }
    TDBEditOrvo& rateEdit() const { return *rate_; }
    TDBEditOrvo& commissionShareEdit() const { return *commissionShare_; }
    TDBEditOrvo& turnoverShareEdit() const { return *turnoverShare_; }
    QLabel& salesmanNameLabel() const { return *salesmanName_; }
    // Shows the values of the row DelProv now stands on.
    void refreshFields();

private:
    void validateSalesman(QString& text, bool& valid);
    void pickSalesman();
    void validateKind(QString& text, bool& valid);
    void pickKind();
    // Enables the rate for "002", disables it for "001", and empties a
    // disabled rate.
    void followKind(const QString& kind);
    void showSalesmanName();
    void write();

    TData& data_;
    TDBEditOrvo* salesman_;
    QLabel* salesmanName_;
    TDBEditOrvo* kind_;
    EnteredField* salesmanEntered_;
    EnteredField* kindEntered_;
    TDBEditOrvo* rate_;
    TDBEditOrvo* commissionShare_;
    TDBEditOrvo* turnoverShare_;
};

} // namespace tarvela
