// Whether the user can make files in a folder, and if not, why: tools check
// this before long work that ends in writing there, so that the failure
// names the folder and the reason rather than only the file it stopped at.
#pragma once

#include <filesystem>
#include <string>

namespace tarvela {

// Empty when the folder exists and files can be made in it; otherwise the
// system's reason ("No such file or directory", "Permission denied" ...).
std::string whyNotWritable(const std::filesystem::path& folder);

} // namespace tarvela
