// Writing a file whole or not at all: the bytes go to a temporary file in the
// same folder, which then replaces the target in one rename. A failure leaves
// the old file untouched and raises an Error naming the file.
#pragma once

#include <filesystem>
#include <string>

namespace tarvela {

void writeWholeFile(const std::filesystem::path& path, const std::string& bytes);
std::string readWholeFile(const std::filesystem::path& path);

} // namespace tarvela
