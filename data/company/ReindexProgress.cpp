#include "data/company/ReindexProgress.h"

#include <cmath>

#include "data/company/TableRunProgress.h"
#include "platform/Ui.h"

namespace tarvela {

ReindexProgress::~ReindexProgress()
{
    if (shown_)
        ui_.hideProgress();
}

void ReindexProgress::setCaption(const std::string& caption)
{
    caption_ = caption;
    if (shown_)
        ui_.setProgressCaption(caption);
}

void ReindexProgress::report(std::uint32_t position, std::uint32_t total)
{
    if (!shown_) {
        ui_.showProgress(caption_);
        shown_ = true;
    }
    const int percent = total == 0 ? 0 : static_cast<int>(std::lround(100.0 * position / total));
    // The gauge only moves in whole percents; a million equal updates would
    // cost more than the build itself.
    if (percent != percent_) {
        ui_.setProgressPercent(percent);
        percent_ = percent;
    }
    if (run_)
        run_->recordsDone(position, total);
    ui_.processEvents();
}

} // namespace tarvela
