// The program under its own file name in a test's folder, so that it meets
// neither a running copy of the user nor another test's copy; its
// single-instance objects are removed with it.
#pragma once

#include <filesystem>
#include <semaphore.h>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

#include "app/InstanceBlock.h"

namespace tarvela::test {

struct ShellProgramCopy {
    std::string name = "tarvela-copy-" + std::to_string(::getpid());
    std::filesystem::path path;

    explicit ShellProgramCopy(const std::filesystem::path& folder) : path(folder / name)
    {
        std::filesystem::copy_file(std::filesystem::path(TARVELA_BUILD_DIR) / "tarvela", path);
    }
    ~ShellProgramCopy()
    {
        shm_unlink(perUserObjectName(name).c_str());
        sem_unlink(perUserObjectName(name + "Sem").c_str());
    }
    static bool built() { return std::filesystem::exists(std::filesystem::path(TARVELA_BUILD_DIR) / "tarvela"); }
};

} // namespace tarvela::test
