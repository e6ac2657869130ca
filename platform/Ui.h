// The one way a lower layer reaches the user: messages, questions, progress,
// the busy cursor and "let pending window messages be processed". The GUI
// implements it with Qt; tools and tests implement it without Qt.
#pragma once

#include <memory>
#include <string>

#include "platform/CancellableProgress.h"

namespace tarvela {

class Ui {
public:
    virtual ~Ui() = default;

    // A modal message box with an OK button.
    virtual void showMessage(const std::string& text) = 0;
    // A modal Yes/No question; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;
    // Lets pending window messages be processed during a long run.
    virtual void processEvents() = 0;
    virtual void setBusy(bool busy) = 0;

    // A progress window with a caption and a gauge from 0 to 100.
    virtual void showProgress(const std::string& caption) = 0;
    virtual void setProgressCaption(const std::string& caption) = 0;
    virtual void setProgressPercent(int percent) = 0;
    virtual void hideProgress() = 0;

    // A second progress window, titled `title`, whose user may cancel the
    // work; it closes when the returned object is destroyed. Without a
    // window of its own a Ui gives one that is never cancelled.
    virtual std::unique_ptr<CancellableProgress> openCancellableProgress(const std::string& title);
};

// Writes messages to standard error and answers questions with No; used by
// the command-line tools.
class ConsoleUi : public Ui {
public:
    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    void processEvents() override {}
    void setBusy(bool) override {}
    void showProgress(const std::string&) override {}
    void setProgressCaption(const std::string&) override {}
    void setProgressPercent(int) override {}
    void hideProgress() override {}
};

} // namespace tarvela
