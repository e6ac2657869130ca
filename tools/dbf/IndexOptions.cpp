#include "IndexOptions.h"

#include <filesystem>

#include "Command.h"
#include "data/table/DbfTable.h"
#include "platform/Error.h"

namespace tarvela::tool {

IndexOptions IndexOptions::take(std::vector<std::string>& args)
{
    IndexOptions options;
    options.indexFile = takeOption(args, "--index");
    options.tag = takeOption(args, "--tag");
    if (options.tag && !options.indexFile)
        throw UsageError("Option --tag needs --index");
    return options;
}

void IndexOptions::applyTo(DbfTable& table) const
{
    if (indexFile)
        table.attachIndexFile(std::filesystem::absolute(*indexFile).string());
    if (tag)
        table.selectTag(*tag);
}

void openTableFile(DbfTable& table, const std::string& path)
{
    const std::filesystem::path absolute = std::filesystem::absolute(path);
    table.setDirectory(absolute.parent_path().string());
    table.setTableName(absolute.filename().string());
    table.open();
}

} // namespace tarvela::tool
