#include "platform/ProgramDirectory.h"

#include <cstdlib>
#include <filesystem>

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
    if (const char* home = std::getenv("TARVELA_HOME"); home && *home)
        return withSeparator(home);
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        executable = std::filesystem::absolute(argv0, error);
    return withSeparator(executable.parent_path().string());
}

} // namespace tarvela
