#include "data/IndexLeftovers.h"

#include <cctype>
#include <filesystem>
#include <optional>

#include "platform/FileNames.h"
#include "platform/SharedFile.h"

namespace tarvela {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view TemporarySuffix = ".new";

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix)
{
    if (text.size() < suffix.size())
        return false;
    const std::string_view end = text.substr(text.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(end[i])) != std::tolower(static_cast<unsigned char>(suffix[i])))
            return false;
    return true;
}

// "NAME.cdx" for a leftover of ours; nothing for any other name.
std::optional<std::string> indexNameOf(std::string_view name)
{
    bool temporary = false;
    while (endsWithIgnoringCase(name, TemporarySuffix)) {
        name.remove_suffix(TemporarySuffix.size());
        temporary = true;
    }
    if (!temporary || !endsWithIgnoringCase(name, ".cdx"))
        return std::nullopt;
    return std::string(name);
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
