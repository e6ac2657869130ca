#include "platform/ProgramDirectory.h"

#include <vector>

#include "platform/Environment.h"
#include "platform/UserEnvironment.h"

namespace tarvela {

namespace {

constexpr const char* kIniName = "Merkan.ini";

// The configuration folders of step 3, the user's first.
std::vector<std::filesystem::path> configCandidates()
{
    std::vector<std::filesystem::path> folders;
    if (const std::string user = configFolder(); !user.empty())
        folders.push_back(std::filesystem::path(user) / "tarvela");
    std::string systemDirs = environmentValue("XDG_CONFIG_DIRS");
    if (systemDirs.empty())
        systemDirs = "/etc/xdg";
    for (std::size_t start = 0; start <= systemDirs.size();) {
        const std::size_t end = std::min(systemDirs.find(':', start), systemDirs.size());
        if (end > start)
            folders.push_back(std::filesystem::path(systemDirs.substr(start, end - start)) / "tarvela");
        start = end + 1;
    }
    return folders;
}

bool holdsIni(const std::filesystem::path& folder)
{
    std::error_code error;
    return std::filesystem::is_regular_file(folder / kIniName, error);
}

} // namespace

std::string namedProgramDirectory(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string programDirectoryFor(const std::filesystem::path& executable)
{
    if (const std::string home = environmentValue("TARVELA_HOME"); !home.empty())
        return namedProgramDirectory(home);
    const std::filesystem::path beside = executable.parent_path();
    if (holdsIni(beside))
        return namedProgramDirectory(beside.string());
    const std::vector<std::filesystem::path> candidates = configCandidates();
    for (const std::filesystem::path& folder : candidates)
        if (holdsIni(folder))
            return namedProgramDirectory(folder.string());
    return namedProgramDirectory((candidates.empty() ? beside : candidates.front()).string());
}

std::string findProgramDirectory(const std::string& argv0)
{
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        executable = std::filesystem::absolute(argv0, error);
    return programDirectoryFor(executable);
}

} // namespace tarvela
