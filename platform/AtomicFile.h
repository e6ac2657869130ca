// Replaces a file whole or not at all. The new content goes to a temporary
// file in the target's folder; commit() syncs it, renames it over the target
// and syncs the folder, so that after a crash or power cut the name holds
// either the old file or the complete new one. Any failure, and destruction
// without commit(), removes the temporary file and leaves the old one as it
// was. Every failure is a WriteFailed "Nelze zapsat soubor <target>".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Error.h"

namespace tarvela {

class WriteFailed : public Error {
public:
    WriteFailed(const std::string& message, std::string reason) : Error(message), reason_(std::move(reason)) {}
    // The system's word for it ("No space left on device").
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

class AtomicFile {
public:
    explicit AtomicFile(std::string path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    const std::string& path() const { return path_; }
    // Other writers (an index builder) may open and write this file too;
    // commit() syncs whatever they wrote.
    const std::string& temporaryPath() const { return temporaryPath_; }

    // Appends through a buffer.
    void append(std::string_view bytes);
    // Overwrites at an offset that was written before (a header completed last).
    void writeAt(std::uint64_t offset, std::string_view bytes);
    // Makes the buffered bytes visible to other openers of temporaryPath().
    void flush();
    void commit();
    // After a failure: the system's reason for it ("Device or resource busy").
    const std::string& failureReason() const { return failureReason_; }
    // Whether the new content took the name (a failure after that only
    // leaves the rename less durable).
    bool isCommitted() const { return committed_; }

private:
    [[noreturn]] void fail();
    [[noreturn]] void throwFailure(std::string reason);
    void removeTemporary();

    std::string path_;
    std::string temporaryPath_;
    std::string buffer_;
    int fd_ = -1;
    bool committed_ = false;
    std::string failureReason_;
};

// The file that a temporary of AtomicFile (or of earlier versions of this
// program, which used the bare ".new" suffix) was to replace: what a writer
// killed half way leaves behind. Nothing for any other name.
std::optional<std::string> replacedFileOf(std::string name);

} // namespace tarvela
