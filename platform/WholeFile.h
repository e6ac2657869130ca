// A file read or written in one piece. Writing replaces the file whole or not
// at all (AtomicFile); a failure leaves the old file untouched and raises an
// Error naming the file.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvela {

void writeWholeFile(const std::filesystem::path& path, std::string_view bytes);
std::string readWholeFile(const std::filesystem::path& path);

} // namespace tarvela
