// The record layout of a table as the program knows it: the fields it binds
// at open, with their kinds, display labels and display formats.
#pragma once

#include <string>
#include <vector>

namespace tarvela {

enum class FieldKind {
    Character,     // C(n)
    Float,         // N or F with decimals
    Integer,       // N without decimals, width 5 or more
    SmallInteger,  // N without decimals, width 1 to 4
    Logical,       // L
    Date,          // D
    Memo,          // M
    Computed,      // worked out when a record is read; not in the file
    LookedUp       // looked up in another table; not in the file
};

struct LayoutField {
    std::string name;
    FieldKind kind = FieldKind::Character;
    int width = 0;               // characters, for C(n)
    std::string label;
    std::string format;          // display format, e.g. "#,##0.00"
    std::string trueText;        // logicals with a format row
    std::string falseText;
};

struct TableLayout {
    std::string name;            // the TData member, e.g. "Faktury"
    std::vector<LayoutField> fields;

    const LayoutField* find(const std::string& fieldName) const;
};

} // namespace tarvela
