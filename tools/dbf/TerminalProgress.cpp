#include "TerminalProgress.h"

#include <algorithm>
#include <cstdio>

#include "platform/Environment.h"

namespace tarvela::tool {

namespace {
// Often enough to see it move, seldom enough to cost nothing.
constexpr auto kRedrawPause = std::chrono::milliseconds(100);
constexpr const char* kEraseToEnd = "\033[K";
}

TerminalProgress::TerminalProgress() : shown_(isStandardErrorTerminal()) {}

TerminalProgress::~TerminalProgress()
{
    clear();
}

void TerminalProgress::start(std::size_t tableCount)
{
    tableCount_ = tableCount;
    tableNumber_ = 0;
}

void TerminalProgress::beginTable(const std::string& file)
{
    ++tableNumber_;
    file_ = file;
    done_ = 0;
    total_ = 0;
    draw();
}

void TerminalProgress::recordsDone(std::uint32_t done, std::uint32_t total)
{
    done_ = done;
    total_ = total;
    if (done == total || std::chrono::steady_clock::now() - lastDraw_ >= kRedrawPause)
        draw();
}

void TerminalProgress::clear()
{
    if (!drawn_)
        return;
    std::fprintf(stderr, "\r%s", kEraseToEnd);
    std::fflush(stderr);
    drawn_ = false;
}

void TerminalProgress::draw()
{
    if (!shown_)
        return;
    std::fprintf(stderr, "\rtable %zu of %zu %s", tableNumber_, std::max(tableCount_, tableNumber_), file_.c_str());
    if (total_ > 0)
        std::fprintf(stderr, ": %u of %u records", static_cast<unsigned>(done_), static_cast<unsigned>(total_));
    std::fprintf(stderr, "%s", kEraseToEnd);
    std::fflush(stderr);
    drawn_ = true;
    lastDraw_ = std::chrono::steady_clock::now();
}

} // namespace tarvela::tool
