#include "DemoTable.h"

#include "platform/Error.h"

namespace tarvela::demo {

DemoTable::DemoTable(const std::string& directory, const std::string& baseName,
                     std::vector<FieldDescriptor> fields, CivilDate lastUpdate)
    : creator_(directory + "/" + baseName + ".DBF", std::move(fields), lastUpdate)
{
    for (std::size_t i = 0; i < creator_.fields().size(); ++i)
        index_[creator_.fields()[i].name] = static_cast<int>(i);
}

int DemoTable::indexOf(const std::string& field) const
{
    const auto found = index_.find(field);
    if (found == index_.end())
        throw Error(formatMessage("Field '%s' not found", field));
    return found->second;
}

DemoTable& DemoTable::begin()
{
    creator_.beginRecord();
    return *this;
}

DemoTable& DemoTable::text(const std::string& field, const std::string& value)
{
    creator_.setText(indexOf(field), value);
    return *this;
}

DemoTable& DemoTable::number(const std::string& field, double value)
{
    creator_.setNumber(indexOf(field), value);
    return *this;
}

DemoTable& DemoTable::date(const std::string& field, DayNumber day)
{
    creator_.setDate(indexOf(field), day);
    return *this;
}

DemoTable& DemoTable::flag(const std::string& field, bool value)
{
    creator_.setBool(indexOf(field), value);
    return *this;
}

DemoTable& DemoTable::deleted()
{
    creator_.markDeleted();
    return *this;
}

void DemoTable::end()
{
    creator_.endRecord();
}

FieldDescriptor C(const std::string& name, int width)
{
    return {name, 'C', static_cast<std::uint8_t>(width), 0, 0};
}

FieldDescriptor N(const std::string& name, int width, int decimals)
{
    return {name, 'N', static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(decimals), 0};
}

FieldDescriptor D(const std::string& name)
{
    return {name, 'D', 8, 0, 0};
}

FieldDescriptor L(const std::string& name)
{
    return {name, 'L', 1, 0, 0};
}

} // namespace tarvela::demo
