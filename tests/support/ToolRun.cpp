#include "support/ToolRun.h"

#include <cstdio>
#include <sys/wait.h>

#include "support/TableBuilder.h"

namespace tarvela::test {

ToolRun runCommand(const std::string& command, const TempDir& dir)
{
    const std::string errPath = (dir / "stderr.txt").string();
    ToolRun run;
    FILE* pipe = popen((command + " 2>'" + errPath + "'").c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, got);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = readBytes(errPath);
    return run;
}

ToolRun runTool(const std::string& tool, const std::string& arguments, const TempDir& dir)
{
    return runCommand(std::string("'") + TARVELA_BUILD_DIR + "/tools/" + tool + "' " + arguments, dir);
}

} // namespace tarvela::test
