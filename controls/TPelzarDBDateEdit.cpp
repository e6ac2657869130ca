#include "controls/TPelzarDBDateEdit.h"

#include <QFocusEvent>

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
    binding_.storeDate(dayNumber());
}

void TPelzarDBDateEdit::leftControl(QFocusEvent& event)
{
    if (!isLeavingWithinWindow(event, *this))
        return;
    try {
        updateRecord();
    } catch (const Error& error) {
        showErrorText(*this, QString::fromStdString(error.what()));
        returnFocusTo(*this);
    }
}

} // namespace tarvela
