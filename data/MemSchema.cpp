#include "data/MemSchema.h"

#include <algorithm>
#include <cctype>

#include "platform/Error.h"

namespace tarvela {

namespace {

std::string upper(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return name;
}

} // namespace

void MemSchema::add(const MemField& field)
{
    const std::string key = upper(field.name);
    if (byName_.count(key) != 0)
        throw Error("Duplicate field name '" + field.name + "'");
    byName_.emplace(key, fields_.size());
    fields_.push_back(field);
}

bool MemSchema::has(const std::string& name) const
{
    return byName_.count(upper(name)) != 0;
}

std::size_t MemSchema::indexOf(const std::string& name) const
{
    const auto found = byName_.find(upper(name));
    if (found == byName_.end())
        throw Error(formatMessage("Field '%s' not found", name));
    return found->second;
}

bool MemSchema::hasCalculatedFields() const
{
    return std::any_of(fields_.begin(), fields_.end(),
                       [](const MemField& field) { return field.calculated; });
}

} // namespace tarvela
