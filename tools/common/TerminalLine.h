// One line of progress on standard error, redrawn in place a few times a
// second, for the commands that run for seconds on a large company. Only
// when standard error is a terminal; into a file or a pipe it writes
// nothing, so logs stay clean. Whoever prints anything else while it shows
// clears it first.
#pragma once

#include <chrono>
#include <string>

namespace tarvela::tool {

class TerminalLine {
public:
    TerminalLine();
    ~TerminalLine();
    TerminalLine(const TerminalLine&) = delete;
    TerminalLine& operator=(const TerminalLine&) = delete;

    // Draws the text now; with `whenDue`, only when the last drawing is
    // long enough ago.
    void show(const std::string& text, bool whenDue = false);
    void clear();

private:
    bool shown_;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point lastDraw_{};
};

} // namespace tarvela::tool
