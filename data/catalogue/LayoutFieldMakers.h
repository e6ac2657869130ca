// Short constructors for the fields of the record layouts, so each layout
// reads as one line per field. Only the layout files use them.
#pragma once

#include <string>

#include "data/catalogue/TableLayout.h"

namespace tarvela::layouts {

inline const char* const kMoneyFormat = "#,##0.00";
inline const char* const kDateFormat = "dd.mm.yyyy";

inline LayoutField character(std::string name, int width, std::string label)
{
    return {std::move(name), FieldKind::Character, width, std::move(label), {}, {}, {}};
}

inline LayoutField floating(std::string name, std::string label, std::string format = {})
{
    return {std::move(name), FieldKind::Float, 0, std::move(label), std::move(format), {}, {}};
}

inline LayoutField integer(std::string name, std::string label)
{
    return {std::move(name), FieldKind::Integer, 0, std::move(label), {}, {}, {}};
}

inline LayoutField smallInteger(std::string name, std::string label)
{
    return {std::move(name), FieldKind::SmallInteger, 0, std::move(label), {}, {}, {}};
}

inline LayoutField date(std::string name, std::string label, std::string format = {})
{
    return {std::move(name), FieldKind::Date, 0, std::move(label), std::move(format), {}, {}};
}

inline LayoutField logical(std::string name, std::string label)
{
    return {std::move(name), FieldKind::Logical, 0, std::move(label), {}, {}, {}};
}

// Shown as "Ano" / "Ne" instead of true / false.
inline LayoutField yesNo(std::string name, std::string label)
{
    return {std::move(name), FieldKind::Logical, 0, std::move(label), {}, "Ano", "Ne"};
}

inline LayoutField computed(std::string name, std::string label)
{
    return {std::move(name), FieldKind::Computed, 0, std::move(label), {}, {}, {}};
}

inline LayoutField lookedUp(std::string name, std::string label)
{
    return {std::move(name), FieldKind::LookedUp, 0, std::move(label), {}, {}, {}};
}

} // namespace tarvela::layouts
