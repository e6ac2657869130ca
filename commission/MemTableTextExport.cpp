#include "commission/MemTableTextExport.h"

namespace tarvela {

namespace {

// An empty text is an empty value, like a number or date never assigned.
ExportValue exportValueOf(const MemField& field, const MemValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value)) {
        if (text->empty())
            return std::monostate{};
        return *text;
    }
    if (const auto* number = std::get_if<double>(&value)) {
        if (field.type == MemFieldType::DateTime)
            return ExportDateTime{*number};
        return *number;
    }
    return std::monostate{};
}

std::vector<std::string> labelsOf(const MemSchema& schema)
{
    std::vector<std::string> labels;
    for (const MemField& field : schema.fields())
        labels.push_back(field.label.empty() ? field.name : field.label);
    return labels;
}

void readRow(const MemTable& table, std::vector<ExportValue>& row)
{
    const MemSchema& schema = table.schema();
    row.resize(schema.size());
    for (std::size_t i = 0; i < schema.size(); ++i)
        row[i] = exportValueOf(schema.at(i), table.value(i));
}

} // namespace

ExportTable exportTableOf(MemTable& table)
{
    ExportTable result{labelsOf(table.schema()), {}};
    for (table.first(); !table.eof(); table.next())
        readRow(table, result.rows.emplace_back());
    return result;
}

void exportToTextFile(MemTable& table, const std::filesystem::path& path)
{
    table.first();
    writeTextExport(
        labelsOf(table.schema()),
        [&](std::vector<ExportValue>& row) {
            if (table.eof())
                return false;
            readRow(table, row);
            table.next();
            return true;
        },
        path);
}

} // namespace tarvela
