// How the fields of a file meet the kinds the program works with: the kind
// of a DBF field, the type names of the binding messages, and the check at
// open that every field of a layout exists in the file with a matching kind.
#pragma once

#include <string>
#include <vector>

#include "data/catalogue/TableLayout.h"
#include "data/dbf/FieldDescriptor.h"

namespace tarvela {

// The kind a field of the file has; Memo also for types the program does not work with.
FieldKind kindOf(const FieldDescriptor& field);
// "String", "Float", "Integer", "SmallInt", "Boolean", "Date", "Memo"; for a
// field of another type its type letter.
std::string typeNameOf(FieldKind kind);
std::string typeNameOf(const FieldDescriptor& field);

// The message for a field used as a kind it is not.
std::string typeMismatchMessage(const std::string& fieldName, const std::string& expected,
                                const std::string& actual);

// Errors "Field '%s' not found", "Type mismatch for field '%s', expecting: %s actual: %s".
// Computed and looked-up fields are not in the file and are not checked.
void checkLayout(const TableLayout& layout, const std::vector<FieldDescriptor>& fields);

} // namespace tarvela
