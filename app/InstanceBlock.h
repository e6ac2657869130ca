// The named shared block through which a second copy of the program hands
// its parameters to the running one, and the named semaphore that guards it.
// Layout (3018 bytes): 0 the running copy's process id (4 bytes), 4 the
// number of parameters (4 bytes, 0 to 10), 8 ten slots of 301 bytes, each a
// zero-terminated string of at most 300 bytes. Names carry the user id, so
// every user has his own. POSIX shared memory and semaphores.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <semaphore.h>

namespace tarvela {

class InstanceBlock {
public:
    static constexpr std::size_t size = 3018;
    static constexpr int slotCount = 10;
    static constexpr std::size_t slotSize = 301;

    // Nothing when the block can be neither created nor mapped.
    static std::unique_ptr<InstanceBlock> openOrCreate(const std::string& name);
    // Nothing when no block of that name exists.
    static std::unique_ptr<InstanceBlock> openExisting(const std::string& name);
    ~InstanceBlock();
    InstanceBlock(const InstanceBlock&) = delete;
    InstanceBlock& operator=(const InstanceBlock&) = delete;

    bool existed() const { return existed_; }
    std::uint32_t owner() const;
    void setOwner(std::uint32_t processId);
    // At most ten parameters, each cut to 300 bytes.
    void writeParameters(const std::vector<std::string>& parameters);
    std::vector<std::string> readParameters() const;
    // Removes the name, so that the next start creates a fresh block.
    void removeName();

private:
    InstanceBlock(std::string name, unsigned char* memory, bool existed);

    std::string name_;
    unsigned char* memory_;
    bool existed_;
};

class NamedSemaphore {
public:
    // Opens the semaphore or creates it with a count of 0; `fresh` first
    // removes one left behind by a copy that ended without cleaning up.
    static std::unique_ptr<NamedSemaphore> create(const std::string& name, bool fresh);
    static std::unique_ptr<NamedSemaphore> openExisting(const std::string& name);
    ~NamedSemaphore();
    NamedSemaphore(const NamedSemaphore&) = delete;
    NamedSemaphore& operator=(const NamedSemaphore&) = delete;

    bool wait(std::chrono::milliseconds timeout);
    void release();
    void removeName();

private:
    NamedSemaphore(std::string name, sem_t* semaphore);

    std::string name_;
    sem_t* semaphore_;
};

// "/<name>.<uid>": one object per executable file name and user.
std::string instanceObjectName(const std::string& baseName);

} // namespace tarvela
