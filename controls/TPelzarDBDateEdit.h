// The date edit bound to a date field of the record its table stands on:
// shows the stored date and writes the typed one back when it is left;
// updateRecord() throws Error with the refusal when the text is no date.
// Call refresh() after the record changes.
#pragma once

#include "controls/FieldBinding.h"
#include "controls/TPelzarDateEdit.h"

namespace tarvela {

class TPelzarDBDateEdit : public TPelzarDateEdit {
    Q_OBJECT
public:
    explicit TPelzarDBDateEdit(QWidget* parent = nullptr);

    void bind(DbfTable* table, const std::string& fieldName);
    const FieldBinding& binding() const { return binding_; }
    void refresh();
    void updateRecord();

protected:
    void leftControl(QFocusEvent& event) override;

private:
    FieldBinding binding_;
};

} // namespace tarvela
