// Holds the index byte of one index file for a scope and releases it however
// the scope ends. Taking it fails with the one message every caller shows,
// "Could not lock indexes for Table <table>", when another program keeps the
// byte through every try.
#pragma once

#include <string>

#include "data/cdx/IndexFile.h"

namespace tarvela::cdx {

class HeldIndexLock {
public:
    HeldIndexLock(IndexFile& file, const std::string& tableName);
    ~HeldIndexLock();
    HeldIndexLock(HeldIndexLock&& other) noexcept : file_(other.file_) { other.file_ = nullptr; }
    HeldIndexLock(const HeldIndexLock&) = delete;
    HeldIndexLock& operator=(const HeldIndexLock&) = delete;
    HeldIndexLock& operator=(HeldIndexLock&&) = delete;

private:
    IndexFile* file_;
};

} // namespace tarvela::cdx
