#include "data/mem/MemSchema.h"

#include <algorithm>
#include <cctype>

#include "platform/Error.h"
#include "platform/Text.h"

namespace tarvela {

namespace {

} // namespace

void MemSchema::add(const MemField& field)
{
    const std::string key = upperAscii(field.name);
    if (byName_.count(key) != 0)
        throw Error("Duplicate field name '" + field.name + "'");
    byName_.emplace(key, fields_.size());
    fields_.push_back(field);
}

bool MemSchema::has(const std::string& name) const
{
    return findUpperCaseKey(byName_, name) != byName_.end();
}

std::size_t MemSchema::indexOf(const std::string& name) const
{
    const auto found = findUpperCaseKey(byName_, name);
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
