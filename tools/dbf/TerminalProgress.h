// The progress line of a long tarvela-dbf command on standard error:
// "table n of m FILE: d of t records", on a terminal only (TerminalLine).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "data/company/TableRunProgress.h"
#include "tools/common/TerminalLine.h"

namespace tarvela::tool {

class TerminalProgress : public TableRunProgress {
public:
    void start(std::size_t tableCount) override;
    void beginTable(const std::string& file) override;
    void recordsDone(std::uint32_t done, std::uint32_t total) override;
    // Erases the line; the next report draws it again.
    void clear() { line_.clear(); }

private:
    void draw(bool whenDue);

    TerminalLine line_;
    std::size_t tableCount_ = 0;
    std::size_t tableNumber_ = 0;
    std::string file_;
    std::uint32_t done_ = 0;
    std::uint32_t total_ = 0;
};

} // namespace tarvela::tool
