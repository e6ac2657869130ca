// tarvela-dbf verify [--program-dir DIR]: the company data check. Prints one
// finding per line (kind, file, document or record, what is wrong), then
// their count; exit 0 when nothing is found, 1 when something is, 2 when a
// file cannot be read.
#include <iostream>

#include "Command.h"
#include "data/company/TData.h"
#include "data/verify/CompanyCheck.h"
#include "platform/Ui.h"

namespace tarvela::tool {

namespace {

int verify(std::vector<std::string> args)
{
    const std::string programDirectory = takeProgramDirectory(args);
    expectArguments(args, 0, "verify");
    ConsoleUi ui;  // what the start-up would show in a message box goes to standard error
    TData data(ui, programDirectory);
    if (!data.DataCreate())
        return kExitUnreadable;
    const Findings findings = checkCompany(data);
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
