#include "data/company/IndexLeftovers.h"

#include <filesystem>
#include <optional>

#include "platform/AtomicFile.h"
#include "platform/FileNames.h"
#include "platform/SharedFile.h"
#include "platform/Text.h"

namespace tarvela {

namespace fs = std::filesystem;

namespace {

// "NAME.cdx" for a leftover of ours; nothing for any other name.
std::optional<std::string> indexNameOf(const std::string& name)
{
    const auto replaced = replacedFileOf(name);
    if (!replaced || replaced->size() < 4 || !equalIgnoringAsciiCase(replaced->substr(replaced->size() - 4), ".cdx"))
        return std::nullopt;
    return replaced;
}

// A reindex holds its table exclusively until the new file has its name.
bool isTableInUse(const fs::path& folder, const std::string& indexName)
{
    const std::string table = indexName.substr(0, indexName.size() - 4) + ".dbf";
    const auto found = findFileIgnoringCase(folder.string(), table);
    if (!found)
        return false;
    SharedFile file;
    return file.open(*found, ShareMode::Exclusive) == OpenStatus::Denied;
}

} // namespace

void removeIndexLeftovers(const std::string& dataDirectory)
{
    std::error_code error;
    const fs::path folder(dataDirectory);
    try {
        for (const auto& item : fs::directory_iterator(folder, error)) {
            const auto indexName = indexNameOf(item.path().filename().string());
            if (indexName && item.is_regular_file(error) && !isTableInUse(folder, *indexName))
                fs::remove(item.path(), error);
        }
    } catch (const fs::filesystem_error&) {
    }
}

} // namespace tarvela
