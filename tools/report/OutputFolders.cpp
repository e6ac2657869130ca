#include "OutputFolders.h"

#include <filesystem>

#include "platform/Error.h"
#include "platform/WritableFolder.h"

namespace tarvela::tool {

void prepareDocumentsFolder(const std::string& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    std::string reason = error ? error.message() : whyNotWritable(folder);
    if (!reason.empty())
        throw Error("Cannot use the documents folder " + folder + ": " + reason);
}

void checkOutputFolder(const std::string& output)
{
    const std::filesystem::path folder = std::filesystem::absolute(output).parent_path();
    if (const std::string reason = whyNotWritable(folder); !reason.empty())
        throw Error("Cannot write " + output + ": " + folder.string() + ": " + reason);
}

void checkOutputDirectory(const std::string& folder)
{
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        throw Error("Cannot write into " + folder + ": " + (error ? error.message() : "no such folder"));
    if (const std::string reason = whyNotWritable(folder); !reason.empty())
        throw Error("Cannot write into " + folder + ": " + reason);
}

} // namespace tarvela::tool
