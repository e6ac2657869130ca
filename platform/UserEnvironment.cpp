#include "platform/UserEnvironment.h"

#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <unistd.h>
#include <vector>

#include "platform/Environment.h"

namespace tarvela {

namespace {

std::string homeFolder()
{
    if (std::string home = environmentValue("HOME"); !home.empty() && home != "/")
        return home;
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_dir && std::string(entry->pw_dir) != "/")
        return entry->pw_dir;
    return std::filesystem::temp_directory_path().string();
}

// XDG_DOCUMENTS_DIR from the environment or ~/.config/user-dirs.dirs, with
// "$HOME" expanded; empty when not set.
std::string xdgDocumentsFolder(const std::string& home)
{
    std::string value = environmentValue("XDG_DOCUMENTS_DIR");
    if (value.empty()) {
        std::string config = environmentValue("XDG_CONFIG_HOME");
        if (config.empty())
            config = home + "/.config";
        std::ifstream in(config + "/user-dirs.dirs");
        const std::string key = "XDG_DOCUMENTS_DIR=";
        for (std::string line; std::getline(in, line);)
            if (line.starts_with(key))
                value = line.substr(key.size());
    }
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    if (value.starts_with("$HOME"))
        value = home + value.substr(5);
    return value;
}

bool isUsableFolder(const std::string& path)
{
    std::error_code error;
    return !path.empty() && path != "/" && std::filesystem::is_directory(path, error);
}

} // namespace

std::string logonName()
{
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name)
        return entry->pw_name;
    if (const char* name = getlogin())
        return name;
    return environmentValue("USER");
}

std::string documentsFolder()
{
    const std::string home = homeFolder();
    std::vector<std::string> candidates{environmentValue("TARVELA_DOCUMENTS"), xdgDocumentsFolder(home)};
    for (const std::string& candidate : candidates)
        if (isUsableFolder(candidate))
            return candidate;
    return home;
}

std::string configFolder()
{
    if (std::string config = environmentValue("XDG_CONFIG_HOME"); !config.empty())
        return config;
    if (const std::string home = environmentValue("HOME"); !home.empty())
        return home + "/.config";
    return {};
}

} // namespace tarvela
