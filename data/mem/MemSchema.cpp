#include "data/mem/MemSchema.h"

#include <algorithm>
#include <cctype>

#include "platform/Error.h"
#include "platform/Text.h"

namespace tarvela {

void MemSchema::add(const MemField& field)
{
    if (!byName_.add(field.name, fields_.size()))
        throw Error("Duplicate field name '" + field.name + "'");
    fields_.push_back(field);
}

bool MemSchema::has(const std::string& name) const
{
    return byName_.contains(name);
}

std::size_t MemSchema::indexOf(const std::string& name) const
{
    const std::size_t* found = byName_.find(name);
    if (!found)
        throw Error(formatMessage("Field '%s' not found", name));
    return *found;
}

bool MemSchema::hasCalculatedFields() const
{
    return std::any_of(fields_.begin(), fields_.end(),
                       [](const MemField& field) { return field.calculated; });
}

} // namespace tarvela
