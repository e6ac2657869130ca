// The supplementary data of a document: its job number and the salesman its
// commission is settled to (checked against the salesmen, with the salesmen
// list as lookup). TFakDoplForm edits an invoice, TDopDoplForm a credit
// note. The opener locks the header record and puts it into edit mode, and
// posts it when the dialog closes with OK ("Zapiš"), or cancels. "Zapiš"
// checks the salesman only once his field was entered or changed, so a
// document with an old, unknown code can still get a new job number.
#pragma once

#include <QDialog>

namespace tarvela {

class DbfTable;
class EnteredField;
class TDBEditOrvo;
class TData;

class TFakDoplForm : public QDialog {
    Q_OBJECT
public:
    TFakDoplForm(QWidget* owner, TData& data);

    TDBEditOrvo& jobEdit() const { return *job_; }
    TDBEditOrvo& salesmanEdit() const { return *salesman_; }

protected:
    TFakDoplForm(QWidget* owner, TData& data, DbfTable& header, const QString& title);

private:
    void validateSalesman(QString& text, bool& valid);
    void pickSalesman();
    void write();

    TData& data_;
    TDBEditOrvo* job_;
    TDBEditOrvo* salesman_;
    EnteredField* salesmanEntered_;
};

class TDopDoplForm : public TFakDoplForm {
    Q_OBJECT
public:
    TDopDoplForm(QWidget* owner, TData& data);
};

} // namespace tarvela
