// The Qt side of Ui: modal message boxes under the application title, Yes/No
// questions, the progress window and the hourglass cursor. One instance for
// the whole run; set its owner once the main window exists.
#pragma once

#include <QPointer>
#include <memory>

#include "gui/ProgressWindow.h"
#include "platform/Ui.h"

class QWidget;

namespace tarvela {

class QtUi : public Ui {
public:
    // Which window shows progress: the reindexing window centred on the
    // owner, or the report-data window centred on the desktop.
    enum class ProgressKind { Indexing, ReportData };

    explicit QtUi(QWidget* owner = nullptr);
    ~QtUi() override;

    void setOwner(QWidget* owner) { owner_ = owner; }
    void setProgressKind(ProgressKind kind) { kind_ = kind; }
    ProgressKind progressKind() const { return kind_; }
    ProgressWindow* progressWindow() const { return progress_; }

    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    void processEvents() override;
    void setBusy(bool busy) override;
    void showProgress(const std::string& caption) override;
    void setProgressCaption(const std::string& caption) override;
    void setProgressPercent(int percent) override;
    void hideProgress() override;
    std::unique_ptr<CancellableProgress> openCancellableProgress(const std::string& title) override;

private:
    ProgressWindow* createProgressWindow();

    QPointer<QWidget> owner_;
    ProgressKind kind_ = ProgressKind::Indexing;
    QPointer<ProgressWindow> progress_;
    int busyDepth_ = 0;
};

// Runs of report data show their progress in the report-data window while
// one of these lives.
class ReportProgressScope {
public:
    explicit ReportProgressScope(QtUi& ui);
    ~ReportProgressScope();
    ReportProgressScope(const ReportProgressScope&) = delete;
    ReportProgressScope& operator=(const ReportProgressScope&) = delete;

private:
    QtUi& ui_;
    QtUi::ProgressKind previous_;
};

} // namespace tarvela
