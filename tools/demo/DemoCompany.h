// Creates a whole demo company in a folder: Merkan.ini and data/ with every
// table of the catalogue, the same files for the same seed and scale.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarvela::demo {

struct DemoOptions {
    std::string directory;
    std::uint32_t seed = 1;
    int scale = 1;  // 1: about 1000 invoices and 10 000 journal rows
    bool anomalies = false;  // cards without a group, customers without a salesman
};

const char* demoUsage();

// Parses "DIR [--seed N] [--scale N] [--anomalies]"; throws tool::UsageError
// on a mistake.
DemoOptions parseDemoOptions(const std::vector<std::string>& arguments);

// logonName gets a user row, so that the login by logon name finds him.
void createDemoCompany(const DemoOptions& options, const std::string& logonName);

} // namespace tarvela::demo
