// Typed access by field name to the values of one memory-table row. A view:
// it holds no values itself and must not outlive the row it was made for.
// Writing a text longer than the field's width keeps only its first
// `width` characters; writing a number into a text field is an error.
#pragma once

#include <string>
#include <vector>

#include "data/mem/MemSchema.h"
#include "platform/Date.h"

namespace tarvela {

class MemRecord {
public:
    MemRecord(const MemSchema& schema, std::vector<MemValue>& values)
        : schema_(&schema), values_(&values) {}

    bool isNull(const std::string& field) const;
    std::string asString(const std::string& field) const;  // numbers as plain text
    double asFloat(const std::string& field) const;        // empty: 0
    double asDateTime(const std::string& field) const;     // empty: 0
    DayNumber asDate(const std::string& field) const;      // whole days of asDateTime
    const MemValue& value(std::size_t index) const { return (*values_)[index]; }

    void setString(const std::string& field, const std::string& value);
    void setFloat(const std::string& field, double value);
    void setDateTime(const std::string& field, double value);
    void setDate(const std::string& field, DayNumber value);
    void clear(const std::string& field);

    // The same by the field's position in the schema, for a caller that has
    // looked the name up already.
    void setString(std::size_t index, const std::string& value);
    void setFloat(std::size_t index, double value);
    void clear(std::size_t index);

private:
    std::size_t checked(const std::string& field, bool forNumber) const;
    std::size_t checked(std::size_t index, bool forNumber) const;

    const MemSchema* schema_;
    std::vector<MemValue>* values_;
};

} // namespace tarvela
