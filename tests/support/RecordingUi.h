// A Ui that records what the program would have shown, so tests can assert
// on the exact texts. Questions are answered from a queue (No when empty).
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Ui.h"

namespace tarvela::test {

class RecordingUi : public Ui {
public:
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers;
    std::vector<std::string> progressCaptions;
    std::vector<int> progressPercents;
    int processEventsCalls = 0;
    bool progressVisible = false;

    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& text) override
    {
        questions.push_back(text);
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // Runs where the program lets window messages through, as a window
    // that repaints or rereads its rows then would.
    std::function<void()> onProcessEvents;
    void processEvents() override
    {
        ++processEventsCalls;
        if (onProcessEvents)
            onProcessEvents();
    }
    void setBusy(bool) override {}
    void showProgress(const std::string& caption) override
    {
        progressVisible = true;
        progressCaptions.push_back(caption);
    }
    void setProgressCaption(const std::string& caption) override { progressCaptions.push_back(caption); }
    void setProgressPercent(int percent) override { progressPercents.push_back(percent); }
    void hideProgress() override { progressVisible = false; }
};

} // namespace tarvela::test
