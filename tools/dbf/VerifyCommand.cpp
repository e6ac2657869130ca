// tarvela-dbf verify [--program-dir DIR]: the company data check. Prints one
// finding per line (kind, file, document or record, what is wrong), then
// their count; exit 0 when nothing is found, 1 when something is, 2 when a
// file cannot be read. On a terminal, a progress line while it reads.
#include <iostream>

#include "Command.h"
#include "TerminalProgress.h"
#include "data/company/TData.h"
#include "data/verify/CompanyCheck.h"
#include "platform/Ui.h"

namespace tarvela::tool {

namespace {

// What the start-up would show in a message box goes to standard error,
// over the progress line.
class ProgressConsoleUi : public ConsoleUi {
public:
    explicit ProgressConsoleUi(TerminalProgress& progress) : progress_(progress) {}
    void showMessage(const std::string& text) override
    {
        progress_.clear();
        ConsoleUi::showMessage(text);
    }

private:
    TerminalProgress& progress_;
};

int verify(std::vector<std::string> args)
{
    const std::string programDirectory = takeProgramDirectory(args);
    expectArguments(args, 0, "verify");
    TerminalProgress progress;
    ProgressConsoleUi ui(progress);
    TData data(ui, programDirectory);
    if (!data.DataCreate())
        return kExitUnreadable;
    const Findings findings = checkCompany(data, &progress);
    progress.clear();
    std::cout << "Kind\tFile\tDocument or record\tWhat is wrong\n";
    for (const Finding& finding : findings)
        std::cout << kindName(finding.kind) << '\t' << finding.file << '\t' << finding.where << '\t'
                  << finding.detail << '\n';
    std::cout << "Findings: " << findings.size() << '\n';
    return findings.empty() ? kExitOk : kExitFailed;
}

const CommandRegistration registration{{"verify", "[--program-dir DIR]", verify}};

} // namespace

} // namespace tarvela::tool
