#include "TerminalProgress.h"

#include <algorithm>

namespace tarvela::tool {

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
    draw(false);
}

void TerminalProgress::recordsDone(std::uint32_t done, std::uint32_t total)
{
    done_ = done;
    total_ = total;
    draw(done != total);
}

void TerminalProgress::draw(bool whenDue)
{
    std::string text = "table " + std::to_string(tableNumber_) + " of "
                       + std::to_string(std::max(tableCount_, tableNumber_)) + " " + file_;
    if (total_ > 0)
        text += ": " + std::to_string(done_) + " of " + std::to_string(total_) + " records";
    line_.show(text, whenDue);
}

} // namespace tarvela::tool
