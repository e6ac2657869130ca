#include "data/company/ReindexCompany.h"

#include <fstream>
#include <regex>
#include <set>

#include "data/catalogue/IndexCatalogue.h"
#include "data/catalogue/TableCatalogue.h"
#include "data/dbf/DbfCreator.h"
#include "platform/Error.h"

namespace tarvela::test {

namespace {

const std::string company = "0001";

FieldDescriptor descriptorOf(const LayoutField& field)
{
    switch (field.kind) {
    case FieldKind::Float: return {field.name, 'N', 15, 4};
    case FieldKind::Integer: return {field.name, 'N', 10, 0};
    case FieldKind::SmallInteger: return {field.name, 'N', 4, 0};
    case FieldKind::Logical: return {field.name, 'L', 1, 0};
    case FieldKind::Date: return {field.name, 'D', 8, 0};
    default: return {field.name, 'C', std::uint8_t(field.width), 0};
    }
}

// The sibling system's types of the fields that the expressions read.
FieldDescriptor expressionField(const std::string& name)
{
    static const std::set<std::string> numbers = {"SOR_PC1", "SKL_STA", "BLO_KUS", "BLO_VYD", "PLA_HOD"};
    if (name.ends_with("_DAT") || name == "VYP_DVS")
        return {name, 'D', 8, 0};
    if (name == "HLA_PLA")
        return {name, 'L', 1, 0};
    if (numbers.contains(name))
        return {name, 'N', 12, 2};
    return {name, 'C', 10, 0};
}

std::vector<FieldDescriptor> fieldsOf(const std::string& member)
{
    std::vector<FieldDescriptor> fields;
    std::set<std::string> names;
    const CatalogueEntry* entry = findCatalogueEntry(member);
    if (entry->layout)
        for (const LayoutField& field : entry->layout->fields)
            if (field.kind != FieldKind::Computed && field.kind != FieldKind::LookedUp &&
                field.kind != FieldKind::Memo && names.insert(field.name).second)
                fields.push_back(descriptorOf(field));
    if (const IndexedTable* indexed = findIndexedTable(member)) {
        static const std::regex fieldName("[A-Z]{3}_[A-Z0-9]{3}");
        for (const IndexTagSpec& tag : indexed->tags) {
            const std::string text = tag.keyExpression + " " + tag.forExpression;
            for (std::sregex_iterator it(text.begin(), text.end(), fieldName), end; it != end; ++it)
                if (names.insert(it->str()).second)
                    fields.push_back(expressionField(it->str()));
        }
    }
    return fields;
}

void writeValue(DbfCreator& creator, const std::string& name, const FieldValue& value)
{
    const int field = creator.fieldIndex(name);
    if (field < 0)
        throw Error("No field " + name);
    if (const auto* text = std::get_if<std::string>(&value))
        creator.setText(field, *text);
    else if (const auto* number = std::get_if<double>(&value))
        creator.setNumber(field, *number);
    else if (const auto* date = std::get_if<DateValue>(&value))
        creator.setDate(field, date->day);
    else
        creator.setBool(field, std::get<bool>(value));
}

} // namespace

ReindexCompany::ReindexCompany()
{
    std::filesystem::create_directories(dataDirectory());
    std::ofstream(folder_ / "Merkan.ini") << "[Merkan]\r\nCestaData=" << dataDirectory() << "\r\nMerkan="
                                          << company << "\r\n";
    writeTable("Uzivatele", {});
    for (const IndexedTable& table : indexCatalogue())
        writeTable(table.member, {});
}

void ReindexCompany::writeTable(const std::string& member, const std::vector<Row>& rows)
{
    DbfCreator creator(tablePath(member), fieldsOf(member), {2026, 1, 1});
    for (const Row& row : rows) {
        creator.beginRecord();
        for (const auto& [name, value] : row)
            writeValue(creator, name, value);
        creator.endRecord();
    }
    creator.finish();
}

TData& ReindexCompany::data()
{
    if (!data_) {
        data_ = std::make_unique<TData>(ui, folder_.str() + "/");
        if (!data_->DataCreate())
            throw Error("The test company cannot be opened");
    }
    return *data_;
}

std::string ReindexCompany::dataDirectory() const
{
    return (folder_ / "data").string() + "/";
}

std::string ReindexCompany::tablePath(const std::string& member) const
{
    return dataDirectory() + findCatalogueEntry(member)->fileBaseName(company) + ".dbf";
}

std::string ReindexCompany::indexPath(const std::string& member) const
{
    return dataDirectory() + findIndexedTable(member)->indexBaseName(company) + ".cdx";
}

} // namespace tarvela::test
