// tarvela-demo DIR [--seed N] [--scale N]: writes DIR/Merkan.ini and a demo
// company in DIR/data, then builds the index files of every table.
#include <iostream>

#include "DemoCompany.h"
#include "platform/UserEnvironment.h"

int main(int argc, char** argv)
{
    try {
        const auto options = tarvela::demo::parseDemoOptions(argc, argv);
        tarvela::demo::createDemoCompany(options, tarvela::logonName());
        std::cout << "Demo firma vytvořena v " << options.directory << "\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
}
