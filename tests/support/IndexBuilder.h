// Builds plain tags into the index file of the same name as a table, through
// the table layer, for tests that need a table with its index file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tarvela::test {

struct TagDefinition {
    std::string name;
    std::string keyExpression;
};

// `table` is the base name in `dir`, e.g. "Sor0001"; builds "Sor0001.cdx".
void buildIndexTags(const std::filesystem::path& dir, const std::string& table, const std::vector<TagDefinition>& tags);

} // namespace tarvela::test
