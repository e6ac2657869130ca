// tarvela-dbf dump FILE [--fields A,B,...] [--index FILE.cdx --tag TAG]: the
// live records in file order or tag order, record number first, values
// separated by tabs.
#include <filesystem>
#include <iostream>
#include <sstream>

#include "Command.h"
#include "IndexOptions.h"
#include "data/table/DbfTable.h"
#include "platform/Error.h"

namespace tarvela::tool {

namespace {

std::vector<std::string> splitNames(const std::string& list)
{
    std::vector<std::string> names;
    std::istringstream parts(list);
    for (std::string name; std::getline(parts, name, ',');)
        if (!name.empty())
            names.push_back(name);
    return names;
}

int dump(std::vector<std::string> args)
{
    const auto fieldList = takeOption(args, "--fields");
    const IndexOptions index = IndexOptions::take(args);
    expectArguments(args, 1, "dump");
    const std::filesystem::path path = std::filesystem::absolute(args[0]);
    DbfTable table;
    table.setDirectory(path.parent_path().string());
    table.setTableName(path.filename().string());
    table.open();
    index.applyTo(table);
    std::vector<std::string> names;
    if (fieldList)
        names = splitNames(*fieldList);
    else
        for (const FieldDescriptor& field : table.fields())
            names.push_back(field.name);
    for (const std::string& name : names)
        if (!table.hasField(name))
            throw Error(formatMessage("Field '%s' not found", name));
    std::string line;
    for (table.first(); !table.eof(); table.next()) {
        line = std::to_string(table.recordNumber());
        for (const std::string& name : names)
            line += '\t' + table.asString(name);
        line += '\n';
        std::cout << line;
    }
    table.close();
    return kExitOk;
}

const CommandRegistration registration{{"dump", "FILE [--fields A,B,...] [--index FILE.cdx --tag TAG]", dump}};

} // namespace

} // namespace tarvela::tool
