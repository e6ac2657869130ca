// One table file of the demo company written through DbfCreator, with its
// fields addressed by name. Fields a record does not set stay blank, as the
// sibling system leaves them.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "data/dbf/DbfCreator.h"

namespace tarvela::demo {

class DemoTable {
public:
    DemoTable(const std::string& directory, const std::string& baseName,
              std::vector<FieldDescriptor> fields, CivilDate lastUpdate);

    const std::vector<FieldDescriptor>& fields() const { return creator_.fields(); }
    bool has(const std::string& field) const { return index_.count(field) != 0; }

    DemoTable& begin();
    DemoTable& text(const std::string& field, const std::string& value);
    DemoTable& number(const std::string& field, double value);
    DemoTable& date(const std::string& field, DayNumber day);
    DemoTable& flag(const std::string& field, bool value);
    DemoTable& deleted();
    void end();

    std::uint32_t recordCount() const { return creator_.recordCount(); }
    void finish() { creator_.finish(); }

private:
    int indexOf(const std::string& field) const;

    DbfCreator creator_;
    std::unordered_map<std::string, int> index_;
};

// Field descriptors in a line each: C("HLA_DO1", 10), N("HLA_CUH", 12, 2), ...
FieldDescriptor C(const std::string& name, int width);
FieldDescriptor N(const std::string& name, int width, int decimals = 0);
FieldDescriptor D(const std::string& name);
FieldDescriptor L(const std::string& name);

} // namespace tarvela::demo
