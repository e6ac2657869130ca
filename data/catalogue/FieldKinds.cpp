#include "data/catalogue/FieldKinds.h"

#include <algorithm>
#include <cctype>

#include "platform/Error.h"
#include "platform/Text.h"

namespace tarvela {

namespace {

bool isKnownType(char type)
{
    return std::string_view("CNFLDM").find(type) != std::string_view::npos;
}

} // namespace

FieldKind kindOf(const FieldDescriptor& field)
{
    switch (field.type) {
    case 'C':
        return FieldKind::Character;
    case 'N':
    case 'F':
        if (field.decimals > 0)
            return FieldKind::Float;
        return field.width >= 5 ? FieldKind::Integer : FieldKind::SmallInteger;
    case 'L':
        return FieldKind::Logical;
    case 'D':
        return FieldKind::Date;
    default:
        return FieldKind::Memo;
    }
}

std::string typeNameOf(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Character:
        return "String";
    case FieldKind::Float:
        return "Float";
    case FieldKind::Integer:
        return "Integer";
    case FieldKind::SmallInteger:
        return "SmallInt";
    case FieldKind::Logical:
        return "Boolean";
    case FieldKind::Date:
        return "Date";
    case FieldKind::Memo:
        return "Memo";
    case FieldKind::Computed:
        return "Computed";
    case FieldKind::LookedUp:
        return "Lookup";
    }
    return {};
}

std::string typeNameOf(const FieldDescriptor& field)
{
    return isKnownType(field.type) ? typeNameOf(kindOf(field)) : std::string(1, field.type);
}

std::string typeMismatchMessage(const std::string& fieldName, const std::string& expected,
                                const std::string& actual)
{
    std::string message = "Type mismatch for field '%s', expecting: %s actual: %s";
    for (const std::string* part : {&fieldName, &expected, &actual})
        message = formatMessage(message, *part);
    return message;
}

void checkLayout(const TableLayout& layout, const std::vector<FieldDescriptor>& fields)
{
    for (const LayoutField& wanted : layout.fields) {
        if (wanted.kind == FieldKind::Computed || wanted.kind == FieldKind::LookedUp)
            continue;
        const auto found = std::ranges::find_if(fields, [&](const FieldDescriptor& f) { return equalIgnoringAsciiCase(f.name, wanted.name); });
        if (found == fields.end())
            throw Error(formatMessage("Field '%s' not found", wanted.name));
        if (!isKnownType(found->type) || kindOf(*found) != wanted.kind)
            throw Error(typeMismatchMessage(wanted.name, typeNameOf(wanted.kind), typeNameOf(*found)));
    }
}

} // namespace tarvela
