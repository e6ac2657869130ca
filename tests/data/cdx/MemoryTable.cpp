#include "MemoryTable.h"

namespace tarvela::test {

MemoryTable::MemoryTable(const std::vector<Column>& columns)
{
    for (const auto& column : columns) {
        FieldDescriptor field;
        field.name = column.name;
        field.type = column.type;
        field.width = static_cast<std::uint8_t>(column.width);
        field.decimals = static_cast<std::uint8_t>(column.decimals);
        field.offset = static_cast<std::uint32_t>(length_);
        length_ += column.width;
        fields_.push_back(field);
    }
}

std::string MemoryTable::record(const std::vector<std::string>& values) const
{
    std::string bytes(length_, ' ');
    for (std::size_t i = 0; i < fields_.size() && i < values.size(); ++i) {
        const auto& field = fields_[i];
        std::string value = values[i].substr(0, field.width);
        if (field.type == 'N')
            value.insert(0, field.width - value.size(), ' ');
        bytes.replace(field.offset, value.size(), value);
    }
    return bytes;
}

std::uint32_t MemoryTable::append(const std::vector<std::string>& values)
{
    records_.push_back(record(values));
    return static_cast<std::uint32_t>(records_.size());
}

} // namespace tarvela::test
