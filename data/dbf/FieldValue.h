// A value handed to SeekKey and locate: text (UTF-8), number, date or logical.
#pragma once

#include <string>
#include <variant>

#include "platform/Date.h"

namespace tarvela {

struct DateValue {
    DayNumber day = 0;
    bool operator==(const DateValue&) const = default;
};

using FieldValue = std::variant<std::string, double, DateValue, bool>;

} // namespace tarvela
