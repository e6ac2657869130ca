// tarvela-demo DIR [--seed N] [--scale N] [--anomalies]: writes DIR/Merkan.ini and a demo
// company in DIR/data, then builds the index files of every table.
#include <iostream>

#include "DemoCompany.h"
#include "platform/UserEnvironment.h"
#include "tools/common/ToolMain.h"

using namespace tarvela;

int main(int argc, char** argv)
{
    return tool::toolMain(argc, argv, {"tarvela-demo", demo::demoUsage()}, [](std::vector<std::string> arguments) {
        const demo::DemoOptions options = demo::parseDemoOptions(arguments);
        demo::createDemoCompany(options, logonName());
        std::cout << "Demo firma vytvořena v " << options.directory << "\n";
        return 0;
    });
}
