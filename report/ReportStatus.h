// The status window of a report run: a caption, a line of text and a cancel
// button. The report system opens and closes it; cancelRequested() is asked
// between lines, so an implementation may let window messages through there.
#pragma once

#include <string>

namespace tarvela {

class ReportStatus {
public:
    virtual ~ReportStatus() = default;
    virtual void open(const std::string& caption) = 0;
    virtual void setText(const std::string& text) = 0;
    virtual bool cancelRequested() = 0;
    virtual void close() = 0;
};

// For runs nobody watches: shows nothing and never cancels.
class SilentReportStatus : public ReportStatus {
public:
    void open(const std::string&) override {}
    void setText(const std::string&) override {}
    bool cancelRequested() override { return false; }
    void close() override {}
};

// "Generuji stranu %p" with the page number put in for %p.
std::string pageStatusText(const std::string& pattern, int pageNumber);

} // namespace tarvela
