// Field access of a DbfTable: values decoded from and encoded into the
// current record buffer, by field name without regard to case.
#include "data/table/DbfTable.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "data/table/DbfTableState.h"
#include "data/catalogue/FieldKinds.h"
#include "data/dbf/DbfFile.h"
#include "data/dbf/FieldCodec.h"
#include "platform/Error.h"
#include "platform/Text.h"

namespace tarvela {

namespace {

bool isNumeric(const FieldDescriptor& field)
{
    return field.type == 'N' || field.type == 'F';
}

void expectType(const FieldDescriptor& field, bool matches, FieldKind expected)
{
    if (!matches)
        throw Error(typeMismatchMessage(field.name, typeNameOf(expected), typeNameOf(field)));
}

// Accepts "." or "," as the decimal point, as a user may type either.
double parseNumberText(const std::string& text)
{
    std::string plain = text;
    std::ranges::replace(plain, ',', '.');
    const auto begin = plain.find_first_not_of(' ');
    const auto end = plain.find_last_not_of(' ');
    if (begin == std::string::npos)
        return 0;
    double value = 0;
    const char* first = plain.data() + begin + (plain[begin] == '+' ? 1 : 0);
    const char* last = plain.data() + end + 1;
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc{} || result.ptr != last)
        throw Error(formatMessage("'%s' is not a valid floating point value", text));
    return value;
}

} // namespace

const FieldDescriptor& DbfTable::fieldNamed(const std::string& name) const
{
    requireIdle();
    const std::size_t* found = cursor_->fieldIndex.find(name);
    if (!found)
        throw Error(formatMessage("Field '%s' not found", name));
    return file_->fields()[*found];
}

std::string_view DbfTable::rawField(const FieldDescriptor& field) const
{
    return std::string_view(cursor_->buffer).substr(field.offset, field.width);
}

bool DbfTable::hasField(const std::string& name) const
{
    return isOpen() && cursor_->fieldIndex.contains(name);
}

const std::vector<FieldDescriptor>& DbfTable::fields() const
{
    static const std::vector<FieldDescriptor> none;
    return isOpen() ? file_->fields() : none;
}

bool DbfTable::isDeleted() const
{
    return isOpen() && currentIsDeleted();
}

std::string DbfTable::asString(const std::string& name) const
{
    const FieldDescriptor& field = fieldNamed(name);
    const std::string_view raw = rawField(field);
    switch (field.type) {
    case 'N':
    case 'F':
        return formatPlainNumber(decodeNumber(raw));
    case 'D': {
        const DayNumber day = decodeDate(raw);
        return day == 0 ? std::string() : formatCzechDate(day);
    }
    case 'L':
        return encodeLogical(decodeLogical(raw));
    default:
        return decodeText(raw);
    }
}

std::int32_t DbfTable::asInteger(const std::string& name) const
{
    const FieldDescriptor& field = fieldNamed(name);
    expectType(field, isNumeric(field), FieldKind::Integer);
    return decodeInteger(rawField(field));
}

double DbfTable::asFloat(const std::string& name) const
{
    const FieldDescriptor& field = fieldNamed(name);
    expectType(field, isNumeric(field), FieldKind::Float);
    return decodeNumber(rawField(field));
}

DayNumber DbfTable::asDate(const std::string& name) const
{
    const FieldDescriptor& field = fieldNamed(name);
    expectType(field, field.type == 'D', FieldKind::Date);
    return decodeDate(rawField(field));
}

bool DbfTable::asBool(const std::string& name) const
{
    const FieldDescriptor& field = fieldNamed(name);
    expectType(field, field.type == 'L', FieldKind::Logical);
    return decodeLogical(rawField(field));
}

void DbfTable::storeField(const FieldDescriptor& field, const std::string& bytes)
{
    requireEditing();
    cursor_->buffer.replace(field.offset, field.width, bytes);
}

void DbfTable::setString(const std::string& name, const std::string& value)
{
    const FieldDescriptor& field = fieldNamed(name);
    switch (field.type) {
    case 'N':
    case 'F':
        storeField(field, encodeNumber(parseNumberText(value), field));
        break;
    case 'D': {
        const auto day = value.empty() ? DayNumber{0} : parseCzechDate(value);
        if (!day)
            throw Error(formatMessage("'%s' is not a valid date", value));
        storeField(field, encodeDate(*day));
        break;
    }
    case 'L':
        storeField(field, encodeLogical(decodeLogical(value)));
        break;
    default:
        storeField(field, encodeText(value, field.width));
    }
}

void DbfTable::setInteger(const std::string& name, std::int32_t value)
{
    const FieldDescriptor& field = fieldNamed(name);
    expectType(field, isNumeric(field), FieldKind::Integer);
    storeField(field, encodeNumber(value, field));
}

void DbfTable::setFloat(const std::string& name, double value)
{
    const FieldDescriptor& field = fieldNamed(name);
    expectType(field, isNumeric(field), FieldKind::Float);
    storeField(field, encodeNumber(value, field));
}

void DbfTable::setDate(const std::string& name, DayNumber value)
{
    const FieldDescriptor& field = fieldNamed(name);
    expectType(field, field.type == 'D', FieldKind::Date);
    storeField(field, encodeDate(value));
}

void DbfTable::setBool(const std::string& name, bool value)
{
    const FieldDescriptor& field = fieldNamed(name);
    expectType(field, field.type == 'L', FieldKind::Logical);
    storeField(field, encodeLogical(value));
}

bool DbfTable::matches(const std::vector<std::string>& fieldNames, const std::vector<FieldValue>& values) const
{
    if (fieldNames.size() != values.size())
        throw Error("Locate needs one value per field");
    for (std::size_t i = 0; i < fieldNames.size(); ++i) {
        const std::string& name = fieldNames[i];
        const bool equal = std::visit(
            [&](const auto& value) {
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, std::string>)
                    return asString(name) == value;
                else if constexpr (std::is_same_v<T, double>)
                    return asFloat(name) == value;
                else if constexpr (std::is_same_v<T, DateValue>)
                    return asDate(name) == value.day;
                else
                    return asBool(name) == value;
            },
            values[i]);
        if (!equal)
            return false;
    }
    return true;
}

} // namespace tarvela
