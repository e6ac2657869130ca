#include "data/catalogue/TableLayout.h"

#include <algorithm>
#include <cctype>

#include "platform/Text.h"

namespace tarvela {

const LayoutField* TableLayout::find(const std::string& fieldName) const
{
    const auto sameName = [&](const LayoutField& field) { return equalIgnoringAsciiCase(field.name, fieldName); };
    const auto found = std::ranges::find_if(fields, sameName);
    return found == fields.end() ? nullptr : &*found;
}

} // namespace tarvela
