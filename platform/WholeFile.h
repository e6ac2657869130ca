// A file read or written in one piece. Writing replaces the file whole or not
// at all (AtomicFile); a failure leaves the old file untouched and raises an
// Error naming the file (a WriteFailed when writing, which also says why).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/Error.h"

namespace tarvela {

class WriteFailed : public Error {
public:
    WriteFailed(const std::string& message, std::string reason) : Error(message), reason_(std::move(reason)) {}
    // The system's word for it ("No space left on device"); may be empty.
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

void writeWholeFile(const std::filesystem::path& path, std::string_view bytes);
std::string readWholeFile(const std::filesystem::path& path);

} // namespace tarvela
