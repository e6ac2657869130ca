// The payment dialog: type (with the payment-type lookup), statement number,
// statement date and amount of the payment row Vypisy is inserting or
// editing. "Zapiš" writes the four fields into the row and closes with OK;
// a value that is no value of its field, or does not fit it, and an empty
// or zero amount are refused with a message and the dialog stays open. The
// opener posts or cancels.
#pragma once

#include <QDialog>

namespace tarvela {

class TDBEditOrvo;
class TData;
class TPelzarDBDateEdit;

class TUhradaForm : public QDialog {
    Q_OBJECT
public:
    TUhradaForm(QWidget* owner, TData& data);

    TDBEditOrvo& typeEdit() const { return *type_; }
    TDBEditOrvo& statementEdit() const { return *statement_; }
    TPelzarDBDateEdit& dateEdit() const { return *date_; }
    TDBEditOrvo& amountEdit() const { return *amount_; }
    // Shows the values of the row Vypisy stands on.
    void refreshFields();

private:
    void validateType(QString& text, bool& valid);
    void pickType();
    void write();

    TData& data_;
    TDBEditOrvo* type_;
    TDBEditOrvo* statement_;
    TPelzarDBDateEdit* date_;
    TDBEditOrvo* amount_;
};

} // namespace tarvela
