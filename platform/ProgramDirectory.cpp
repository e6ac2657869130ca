#include "platform/ProgramDirectory.h"

#include <filesystem>

#include "platform/Environment.h"

namespace tarvela {

namespace {

std::string withSeparator(std::string directory)
{
    if (directory.empty() || directory.back() != '/')
        directory += '/';
    return directory;
}

} // namespace

std::string findProgramDirectory(const std::string& argv0)
{
    if (const std::string home = environmentValue("TARVELA_HOME"); !home.empty())
        return withSeparator(home);
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        executable = std::filesystem::absolute(argv0, error);
    return withSeparator(executable.parent_path().string());
}

} // namespace tarvela
