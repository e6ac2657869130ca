#include "platform/WindowsPath.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Environment.h"
#include "platform/Error.h"
#include "platform/Text.h"
#include "platform/UserEnvironment.h"

namespace tarvela {

namespace {

std::string withSlashes(std::string path)
{
    std::ranges::replace(path, '\\', '/');
    return path;
}

// One separator where joining the program directory and "\data\" (or a
// local folder and the rest of a path) gives two, so that messages name
// files the way the user would write them.
std::string withSingleSeparators(std::string path)
{
    const auto end = std::unique(path.begin(), path.end(), [](char a, char b) { return a == '/' && b == '/'; });
    path.erase(end, path.end());
    return path;
}

std::string lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// "X:" or "//server/share" at the start of a path with forward slashes;
// empty when the path has no such prefix.
std::string rootPrefixOf(const std::string& path)
{
    if (path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':')
        return path.substr(0, 2);
    if (path.starts_with("//")) {
        const auto server = path.find('/', 2);
        if (server == std::string::npos)
            return path;
        const auto share = path.find('/', server + 1);
        return share == std::string::npos ? path : path.substr(0, share);
    }
    return {};
}

} // namespace

PathMapping PathMapping::load(const std::string& programDirectory)
{
    std::vector<std::filesystem::path> candidates{std::filesystem::path(programDirectory) / kFileName};
    if (const std::string config = configFolder(); !config.empty())
        candidates.push_back(std::filesystem::path(config) / "tarvela" / kFileName);
    for (const auto& candidate : candidates) {
        std::ifstream in(candidate, std::ios::binary);
        if (!in)
            continue;
        std::ostringstream text;
        text << in.rdbuf();
        return parse(text.str());
    }
    return {};
}

PathMapping PathMapping::parse(std::string_view text)
{
    PathMapping mapping;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        const std::string entry = trimmed(line, " \t\r");
        const auto equals = entry.find('=');
        if (entry.empty() || entry[0] == ';' || entry[0] == '#' || equals == std::string::npos)
            continue;
        mapping.add(trimmed(std::string_view(entry).substr(0, equals), " \t\r"),
                    trimmed(std::string_view(entry).substr(equals + 1), " \t\r"));
    }
    return mapping;
}

void PathMapping::add(const std::string& windowsPrefix, const std::string& localFolder)
{
    std::string prefix = withSlashes(windowsPrefix);
    while (prefix.size() > 2 && prefix.back() == '/')
        prefix.pop_back();
    std::string local = localFolder;
    while (local.size() > 1 && local.back() == '/')
        local.pop_back();
    entries_.emplace_back(lowered(prefix), local);
}

std::string PathMapping::toLocal(const std::string& windowsPath) const
{
    const std::string path = withSlashes(windowsPath);
    const std::string prefix = rootPrefixOf(path);
    if (prefix.empty())
        return withSingleSeparators(path);
    const auto entry = std::ranges::find_if(entries_, [&](const auto& e) { return e.first == lowered(prefix); });
    if (entry == entries_.end())
        throw Error(formatMessage("Pro cestu %s chybí v souboru tarvela-paths.ini místní složka", windowsPath));
    std::string rest = path.substr(prefix.size());
    if (!rest.empty() && rest[0] != '/')
        rest.insert(rest.begin(), '/');  // "X:data" means X:\data here
    return withSingleSeparators(entry->second + rest);
}

} // namespace tarvela
