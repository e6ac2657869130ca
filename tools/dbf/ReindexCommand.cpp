// tarvela-dbf reindex [--program-dir DIR]: rebuilds every index file of the
// company that DIR/Merkan.ini names, printing the messages the program would
// show, then the table files left out; on a terminal, with a progress line.
// Exit 0 when every table was found and rebuilt, 1 otherwise.
#include <iostream>

#include "Command.h"
#include "TerminalProgress.h"
#include "data/company/TData.h"
#include "platform/ProgramDirectory.h"
#include "platform/Ui.h"

namespace tarvela::tool {

namespace {

// Messages go to standard output, one per line, over the progress line;
// there is no window to show progress in and nobody to answer a question.
class PrintingUi : public ConsoleUi {
public:
    explicit PrintingUi(TerminalProgress& progress) : progress_(progress) {}
    void showMessage(const std::string& text) override
    {
        progress_.clear();
        std::cout << text << '\n';
    }
    bool askYesNo(const std::string& text) override
    {
        showMessage(text);
        return false;
    }

private:
    TerminalProgress& progress_;
};

int reindex(std::vector<std::string> args)
{
    const std::string programDirectory = takeProgramDirectory(args);
    expectArguments(args, 0, "reindex");
    TerminalProgress progress;
    PrintingUi ui(progress);
    TData data(ui, programDirectory);
    if (!data.DataCreate())
        return kExitUnreadable;
    const std::vector<std::string> leftOut = data.reindexAll(&progress);
    progress.clear();
    if (leftOut.empty())
        return kExitOk;
    std::cout << "Not reindexed:";
    for (const std::string& name : leftOut)
        std::cout << ' ' << name;
    std::cout << '\n';
    return kExitFailed;
}

const CommandRegistration registration{{"reindex", "[--program-dir DIR]", reindex}};

} // namespace

} // namespace tarvela::tool
