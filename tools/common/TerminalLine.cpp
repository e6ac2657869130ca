#include "TerminalLine.h"

#include <cstdio>

#include "platform/Environment.h"

namespace tarvela::tool {

namespace {
// Often enough to see it move, seldom enough to cost nothing.
constexpr auto kRedrawPause = std::chrono::milliseconds(100);
constexpr const char* kEraseToEnd = "\033[K";
}

TerminalLine::TerminalLine() : shown_(isStandardErrorTerminal()) {}

TerminalLine::~TerminalLine()
{
    clear();
}

void TerminalLine::show(const std::string& text, bool whenDue)
{
    if (!shown_)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (whenDue && now - lastDraw_ < kRedrawPause)
        return;
    std::fprintf(stderr, "\r%s%s", text.c_str(), kEraseToEnd);
    std::fflush(stderr);
    drawn_ = true;
    lastDraw_ = now;
}

void TerminalLine::clear()
{
    if (!drawn_)
        return;
    std::fprintf(stderr, "\r%s", kEraseToEnd);
    std::fflush(stderr);
    drawn_ = false;
}

} // namespace tarvela::tool
