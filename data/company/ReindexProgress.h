// The progress window of a reindexing, driven from the table layer's build
// reports: shown at the first report, caption per tag, gauge in percent,
// pending window messages processed with every report. Hidden when the
// object goes, so a failed build never leaves the window behind.
#pragma once

#include <cstdint>
#include <string>

namespace tarvela {

class Ui;

class ReindexProgress {
public:
    explicit ReindexProgress(Ui& ui) : ui_(ui) {}
    ~ReindexProgress();
    ReindexProgress(const ReindexProgress&) = delete;
    ReindexProgress& operator=(const ReindexProgress&) = delete;

    void setCaption(const std::string& caption);
    // position of total records; (0, total) when the key collection starts.
    void report(std::uint32_t position, std::uint32_t total);

private:
    Ui& ui_;
    std::string caption_;
    bool shown_ = false;
    int percent_ = -1;
};

} // namespace tarvela
