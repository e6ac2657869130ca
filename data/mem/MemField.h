// The declaration of one field of a memory table: name, type, label and
// display format. Calculated fields are not stored by callers; the table's
// calculation fills them whenever a row is read.
#pragma once

#include <string>
#include <variant>

namespace tarvela {

enum class MemFieldType {
    String,    // text of up to `width` characters
    Float,     // double
    DateTime   // days since 30 December 1899, the fraction is the time of day
};

struct MemField {
    std::string name;
    MemFieldType type = MemFieldType::Float;
    int width = 0;               // characters, String only
    std::string label;           // grid column title; empty: the name
    std::string displayFormat;   // e.g. "#,##0.00"; empty: plain
    int decimals = 0;            // decimals shown by exports; 0: as stored
    bool calculated = false;
};

// An empty number or date holds monostate: it reads as 0 but can be told
// apart from a stored 0. An empty text is simply "".
using MemValue = std::variant<std::monostate, std::string, double>;

} // namespace tarvela
