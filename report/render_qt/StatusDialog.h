// The status window of report runs and printing, with a cancel button. It
// lets window messages through when asked about cancelling, at most every
// few tens of milliseconds so that long reports stay fast.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>

#include "report/ReportStatus.h"

namespace tarvela {

class StatusDialog : public ReportStatus {
public:
    explicit StatusDialog(QWidget* parent = nullptr);
    ~StatusDialog() override;

    void open(const std::string& caption) override;
    void setText(const std::string& text) override;
    bool cancelRequested() override;
    void close() override;

private:
    QWidget* parent_;
    QPointer<QProgressDialog> dialog_;
    QElapsedTimer sinceEvents_;
};

} // namespace tarvela
