// Binds an edit to one field of the record a DbfTable is positioned on: the
// field's value as the edit shows it, and writing typed text back. Writing
// happens only while the table edits or inserts a record; the screen that
// owns the table posts or cancels the record.
#pragma once

#include <QString>
#include <string>

#include "platform/Date.h"

namespace tarvela {

class DbfTable;

class FieldBinding {
public:
    void bind(DbfTable* table, const std::string& fieldName);
    bool isBound() const { return table_ != nullptr && !field_.empty(); }
    DbfTable* table() const { return table_; }
    const std::string& fieldName() const { return field_; }

    bool isEditing() const;
    bool holdsFloat() const;
    bool holdsDate() const;
    // Character width of a text field, 0 for other kinds or when unknown.
    int textWidth() const;

    // The stored value as text: trailing blanks dropped, numbers in their
    // shortest form with the system's decimal separator, dates "dd.mm.yyyy"
    // and an empty date as an empty text.
    QString storedText() const;
    // Throws Error with the conversion message when the text is no value of
    // the field's kind.
    void store(const QString& text) const;

    DayNumber storedDate() const;
    void storeDate(DayNumber day) const;

private:
    char fieldType() const;

    DbfTable* table_ = nullptr;
    std::string field_;
};

} // namespace tarvela
