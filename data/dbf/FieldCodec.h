// The values of DBF fields and their bytes in the record. Text is UTF-8 here
// and code page 852 in the file. Reading is lenient, as the sibling system's:
// blank numbers read 0, blank or impossible dates day 0, a logical is true
// only for one of "TtYyJj". Writing refuses a number that does not fit.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/dbf/FieldDescriptor.h"
#include "platform/Date.h"

namespace tarvela {

// Character fields: translated, trailing blanks removed / padded with blanks.
std::string decodeText(std::string_view raw);
std::string encodeText(std::string_view text, std::size_t width);

// Numeric and float fields.
double decodeNumber(std::string_view raw);
std::int32_t decodeInteger(std::string_view raw);
std::string encodeNumber(double value, const FieldDescriptor& field);

// Date fields, "YYYYMMDD"; day 0 is written as blanks.
DayNumber decodeDate(std::string_view raw);
std::string encodeDate(DayNumber day);

// Logical fields.
bool decodeLogical(std::string_view raw);
std::string encodeLogical(bool value);

// A number in its shortest plain form with "." as decimal point ("12.5", "-3", "0.001").
std::string formatPlainNumber(double value);

} // namespace tarvela
