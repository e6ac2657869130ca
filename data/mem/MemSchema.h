// The fields of a memory table with a case-insensitive lookup by name.
// Unknown names are an error with the text the table layer uses.
#pragma once

#include <string>
#include <vector>

#include "data/mem/MemField.h"
#include "platform/NameIndex.h"

namespace tarvela {

class MemSchema {
public:
    void add(const MemField& field);
    const std::vector<MemField>& fields() const { return fields_; }
    std::size_t size() const { return fields_.size(); }
    const MemField& at(std::size_t index) const { return fields_[index]; }
    bool has(const std::string& name) const;
    // Throws "Field '%s' not found".
    std::size_t indexOf(const std::string& name) const;
    bool hasCalculatedFields() const;

private:
    std::vector<MemField> fields_;
    NameIndex byName_;
};

} // namespace tarvela
