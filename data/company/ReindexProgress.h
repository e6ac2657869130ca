// The progress window of a reindexing, driven from the table layer's build
// reports: shown at the first report, caption per tag, gauge in percent,
// pending window messages processed with every report. Hidden when the
// object goes, so a failed build never leaves the window behind. A command
// line's progress, when given, gets the record counts as they are.
#pragma once

#include <cstdint>
#include <string>

namespace tarvela {

class TableRunProgress;
class Ui;

class ReindexProgress {
public:
    explicit ReindexProgress(Ui& ui, TableRunProgress* run = nullptr) : ui_(ui), run_(run) {}
    ~ReindexProgress();
    ReindexProgress(const ReindexProgress&) = delete;
    ReindexProgress& operator=(const ReindexProgress&) = delete;

    void setCaption(const std::string& caption);
    // position of total records; (0, total) when the key collection starts.
    void report(std::uint32_t position, std::uint32_t total);

private:
    Ui& ui_;
    TableRunProgress* run_;
    std::string caption_;
    bool shown_ = false;
    int percent_ = -1;
};

} // namespace tarvela
