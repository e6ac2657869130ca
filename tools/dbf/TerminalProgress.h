// The progress line of a long tarvela-dbf command on standard error:
// "table n of m FILE: d of t records", redrawn in place a few times a
// second. Only when standard error is a terminal; into a file or a pipe it
// writes nothing, so logs stay clean. Whoever prints anything else while it
// runs clears the line first.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/company/TableRunProgress.h"

namespace tarvela::tool {

class TerminalProgress : public TableRunProgress {
public:
    TerminalProgress();
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void start(std::size_t tableCount) override;
    void beginTable(const std::string& file) override;
    void recordsDone(std::uint32_t done, std::uint32_t total) override;
    // Erases the line; the next report draws it again.
    void clear();

private:
    void draw();

    bool shown_;
    bool drawn_ = false;
    std::size_t tableCount_ = 0;
    std::size_t tableNumber_ = 0;
    std::string file_;
    std::uint32_t done_ = 0;
    std::uint32_t total_ = 0;
    std::chrono::steady_clock::time_point lastDraw_{};
};

} // namespace tarvela::tool
