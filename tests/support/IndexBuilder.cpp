#include "support/IndexBuilder.h"

#include "data/table/DbfTable.h"

namespace tarvela::test {

void buildIndexTags(const std::filesystem::path& dir, const std::string& table, const std::vector<TagDefinition>& tags)
{
    DbfTable builder;
    builder.setDirectory(dir.string());
    builder.setTableName(table);
    builder.setExclusive(true);
    builder.open();
    for (const TagDefinition& tag : tags)
        builder.buildIndexTag(table, tag.name, tag.keyExpression, "", false, false);
    builder.close();
}

} // namespace tarvela::test
