// The "--index FILE.cdx --tag TAG" options that put a table into tag order,
// shared by the commands that read a table through an index.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarvela {
class DbfTable;
}

namespace tarvela::tool {

struct IndexOptions {
    std::optional<std::string> indexFile;
    std::optional<std::string> tag;

    // Removes both options from args.
    static IndexOptions take(std::vector<std::string>& args);
    // Attaches the file and selects the tag on the open table; a tag needs a file.
    void applyTo(DbfTable& table) const;
};

// Opens the table file at path (any folder, any letter case) shared.
void openTableFile(DbfTable& table, const std::string& path);

} // namespace tarvela::tool
