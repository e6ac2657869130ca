// How far a run over the company's tables has got, for a command line that
// shows it: the run says how many tables it goes through, then names each
// one as it starts it and counts the records done in it. Whoever runs
// nothing long passes none; a table may be started without any record count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tarvela {

class TableRunProgress {
public:
    virtual ~TableRunProgress() = default;
    virtual void start(std::size_t tableCount) = 0;
    // The next table, numbered from 1 by the receiver.
    virtual void beginTable(const std::string& file) = 0;
    virtual void recordsDone(std::uint32_t done, std::uint32_t total) = 0;
};

} // namespace tarvela
