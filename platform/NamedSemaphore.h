// A semaphore that other processes of the same user open by name (POSIX named
// semaphores here). The count never goes above 1: release() on a posted
// semaphore does nothing.
#pragma once

#include <chrono>
#include <memory>
#include <string>

namespace tarvela {

class NamedSemaphore {
public:
    // Opens the semaphore or creates it with a count of 0; `fresh` first
    // removes one left behind by a process that ended without cleaning up.
    static std::unique_ptr<NamedSemaphore> create(const std::string& name, bool fresh);
    static std::unique_ptr<NamedSemaphore> openExisting(const std::string& name);
    ~NamedSemaphore();
    NamedSemaphore(const NamedSemaphore&) = delete;
    NamedSemaphore& operator=(const NamedSemaphore&) = delete;

    bool wait(std::chrono::milliseconds timeout);
    void release();
    void removeName();

private:
    struct Handle;
    NamedSemaphore(std::string name, std::unique_ptr<Handle> handle);

    std::string name_;
    std::unique_ptr<Handle> handle_;
};

} // namespace tarvela
