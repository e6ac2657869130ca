// The progress window of a run that collects report rows, shown with the
// run's text and closed however the collection ends.
#pragma once

#include <string>

#include "platform/Ui.h"

namespace tarvela {

inline constexpr const char* kPreparingReportData = "Příprava údajů pro sestavu";

class RunProgress {
public:
    RunProgress(Ui& ui, const std::string& caption) : ui_(ui) { ui_.showProgress(caption); }
    ~RunProgress() { ui_.hideProgress(); }
    RunProgress(const RunProgress&) = delete;
    RunProgress& operator=(const RunProgress&) = delete;

private:
    Ui& ui_;
};

} // namespace tarvela
