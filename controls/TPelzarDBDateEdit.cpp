#include "controls/TPelzarDBDateEdit.h"

#include <QFocusEvent>

#include "controls/FieldCaption.h"
#include "controls/FocusCheck.h"
#include "platform/Error.h"

namespace tarvela {

TPelzarDBDateEdit::TPelzarDBDateEdit(QWidget* parent)
    : TPelzarDateEdit(parent)
{
}

void TPelzarDBDateEdit::bind(DbfTable* table, const std::string& fieldName)
{
    binding_.bind(table, fieldName);
    refresh();
}

void TPelzarDBDateEdit::refresh()
{
    setDayNumber(binding_.storedDate());
}

void TPelzarDBDateEdit::updateRecord()
{
    const auto day = typedDay();
    if (!day)
        throw Error(refusalText().toStdString());
    try {
        binding_.storeDate(*day);
    } catch (const Error& error) {
        throw Error(withFieldCaption(error.what(), binding_.fieldName(), *this));
    }
}

void TPelzarDBDateEdit::leftControl(QFocusEvent&)
{
    try {
        updateRecord();
    } catch (const Error& error) {
        showErrorText(*this, QString::fromStdString(error.what()));
        returnFocusTo(*this);
    }
}

} // namespace tarvela
