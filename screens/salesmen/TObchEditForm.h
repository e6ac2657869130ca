// The edit dialog of one salesman, its five fields bound to the record that
// the salesmen table is editing or inserting. The opener puts the record into
// edit or insert state before showing it and posts or cancels afterwards;
// "Zapiš" writes the fields and refuses a code that is not 3 characters long
// or, for a new salesman, one that another salesman already has.
#pragma once

#include <QDialog>

namespace tarvela {

class TDBEditOrvo;
class TData;

class TObchEditForm : public QDialog {
    Q_OBJECT
public:
    TObchEditForm(QWidget* owner, TData& data, bool newSalesman);

    TDBEditOrvo& codeEdit() const { return *edits_[0]; }
    TDBEditOrvo& nameEdit() const { return *edits_[1]; }
    TDBEditOrvo& edit(int index) const { return *edits_[index]; }
    // Shows the values of the record the table now stands on.
    void refreshFields();

private:
    void write();
    bool codeIsFree(const QString& code);

    TData& data_;
    bool newSalesman_;
    TDBEditOrvo* edits_[5];
};

} // namespace tarvela
