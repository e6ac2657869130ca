#include "commission/MemTableTextExport.h"

namespace tarvela {

namespace {

ExportValue exportValueOf(const MemField& field, const MemValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    if (const auto* number = std::get_if<double>(&value)) {
        if (field.type == MemFieldType::DateTime)
            return ExportDateTime{*number};
        return *number;
    }
    return std::monostate{};
}

} // namespace

ExportTable exportTableOf(MemTable& table)
{
    ExportTable result;
    const MemSchema& schema = table.schema();
    for (const MemField& field : schema.fields())
        result.labels.push_back(field.label.empty() ? field.name : field.label);
    for (table.first(); !table.eof(); table.next()) {
        std::vector<ExportValue>& row = result.rows.emplace_back();
        for (std::size_t i = 0; i < schema.size(); ++i)
            row.push_back(exportValueOf(schema.at(i), table.value(i)));
    }
    return result;
}

void exportToTextFile(MemTable& table, const std::filesystem::path& path)
{
    writeTextExport(exportTableOf(table), path);
}

} // namespace tarvela
