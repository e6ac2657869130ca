// The demo company the benchmarks run on: TARVELA_BENCH_COMPANY names a
// folder made by tarvela-demo; without it one is made with tarvela-demo
// --scale TARVELA_BENCH_SCALE (default 100) --anomalies in the temporary
// folder, once. The anomalies keep the missing-group path in the figures.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>

namespace tarvela::bench {

inline std::string environment(const char* name, const std::string& fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

inline std::filesystem::path companyFolder()
{
    namespace fs = std::filesystem;
    const std::string given = environment("TARVELA_BENCH_COMPANY", "");
    if (!given.empty())
        return given;
    const std::string scale = environment("TARVELA_BENCH_SCALE", "100");
    const fs::path folder = fs::temp_directory_path() / ("tarvela-bench-scale-" + scale + "-anomalies");
    if (fs::exists(folder / "Merkan.ini"))
        return folder;
    const fs::path demo = fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "tools" / "tarvela-demo";
    const std::string command = demo.string() + " " + folder.string() + " --scale " + scale + " --anomalies";
    std::cerr << "Creating the demo company: " << command << "\n";
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("tarvela-demo failed");
    return folder;
}

} // namespace tarvela::bench
