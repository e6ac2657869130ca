#include "platform/FileNames.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/Text.h"

namespace tarvela {

namespace fs = std::filesystem;

namespace {

} // namespace

std::optional<std::string> findFileIgnoringCase(const std::string& directory, const std::string& name)
{
    const fs::path folder = directory.empty() ? fs::path(".") : fs::path(directory);
    std::error_code error;
    if (fs::exists(folder / name, error))
        return (folder / name).string();
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (equalIgnoringAsciiCase(it->path().filename().string(), name))
            return it->path().string();
    return std::nullopt;
}

std::string resolvePathIgnoringCase(const std::string& path)
{
    std::error_code error;
    if (path.empty() || fs::exists(path, error))
        return path;
    fs::path resolved = fs::path(path).root_path();
    for (const fs::path& part : fs::path(path).relative_path()) {
        const std::string name = part.string();
        if (name.empty() || name == "." || name == "..") {
            resolved /= part;
            continue;
        }
        const auto found = findFileIgnoringCase(resolved.empty() ? "." : resolved.string(), name);
        if (!found)
            return path;
        resolved = resolved.empty() ? fs::path(*found).filename() : fs::path(*found);
    }
    std::string text = resolved.string();
    if (!path.empty() && path.back() == '/' && (text.empty() || text.back() != '/'))
        text += '/';
    return text;
}

} // namespace tarvela
