#include "data/TableLayout.h"

#include <algorithm>
#include <cctype>

namespace tarvela {

const LayoutField* TableLayout::find(const std::string& fieldName) const
{
    const auto sameName = [&](const LayoutField& field) {
        return std::ranges::equal(field.name, fieldName, [](unsigned char a, unsigned char b) {
            return std::toupper(a) == std::toupper(b);
        });
    };
    const auto found = std::ranges::find_if(fields, sameName);
    return found == fields.end() ? nullptr : &*found;
}

} // namespace tarvela
