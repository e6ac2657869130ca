#include "platform/WritableFolder.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace tarvela {

std::string whyNotWritable(const std::filesystem::path& folder)
{
    std::error_code error;
    if (!std::filesystem::exists(folder, error))
        return std::strerror(ENOENT);
    if (!std::filesystem::is_directory(folder, error))
        return std::strerror(ENOTDIR);
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return std::strerror(errno);
    return {};
}

} // namespace tarvela
