#include "app/InstanceBlock.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvela {

namespace {

constexpr std::size_t countOffset = 4;
constexpr std::size_t slotsOffset = 8;
constexpr std::size_t longestParameter = InstanceBlock::slotSize - 1;

unsigned char* mapBlock(int descriptor)
{
    void* memory = mmap(nullptr, InstanceBlock::size, PROT_READ | PROT_WRITE, MAP_SHARED, descriptor, 0);
    return memory == MAP_FAILED ? nullptr : static_cast<unsigned char*>(memory);
}

} // namespace

std::string instanceObjectName(const std::string& baseName)
{
    return "/" + baseName + "." + std::to_string(getuid());
}

InstanceBlock::InstanceBlock(std::string name, unsigned char* memory, bool existed)
    : name_(std::move(name)), memory_(memory), existed_(existed)
{
}

std::unique_ptr<InstanceBlock> InstanceBlock::openOrCreate(const std::string& name)
{
    bool existed = false;
    int descriptor = shm_open(name.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
    if (descriptor < 0 && errno == EEXIST) {
        existed = true;
        descriptor = shm_open(name.c_str(), O_RDWR, 0600);
    }
    if (descriptor < 0)
        return nullptr;
    struct stat status {};
    const bool sized = fstat(descriptor, &status) == 0
        && (static_cast<std::size_t>(status.st_size) >= size || ftruncate(descriptor, size) == 0);
    unsigned char* memory = sized ? mapBlock(descriptor) : nullptr;
    close(descriptor);
    if (memory == nullptr)
        return nullptr;
    return std::unique_ptr<InstanceBlock>(new InstanceBlock(name, memory, existed));
}

std::unique_ptr<InstanceBlock> InstanceBlock::openExisting(const std::string& name)
{
    const int descriptor = shm_open(name.c_str(), O_RDWR, 0600);
    if (descriptor < 0)
        return nullptr;
    struct stat status {};
    unsigned char* memory = fstat(descriptor, &status) == 0 && static_cast<std::size_t>(status.st_size) >= size
        ? mapBlock(descriptor)
        : nullptr;
    close(descriptor);
    if (memory == nullptr)
        return nullptr;
    return std::unique_ptr<InstanceBlock>(new InstanceBlock(name, memory, true));
}

InstanceBlock::~InstanceBlock()
{
    munmap(memory_, size);
}

std::uint32_t InstanceBlock::owner() const
{
    std::uint32_t processId = 0;
    std::memcpy(&processId, memory_, sizeof processId);
    return processId;
}

void InstanceBlock::setOwner(std::uint32_t processId)
{
    std::memcpy(memory_, &processId, sizeof processId);
}

void InstanceBlock::writeParameters(const std::vector<std::string>& parameters)
{
    const std::uint32_t count = static_cast<std::uint32_t>(std::min<std::size_t>(parameters.size(), slotCount));
    std::memcpy(memory_ + countOffset, &count, sizeof count);
    for (std::uint32_t i = 0; i < count; ++i) {
        unsigned char* slot = memory_ + slotsOffset + slotSize * i;
        const std::string cut = parameters[i].substr(0, longestParameter);
        std::memset(slot, 0, slotSize);
        std::memcpy(slot, cut.data(), cut.size());
    }
}

std::vector<std::string> InstanceBlock::readParameters() const
{
    std::uint32_t count = 0;
    std::memcpy(&count, memory_ + countOffset, sizeof count);
    std::vector<std::string> parameters;
    for (std::uint32_t i = 0; i < std::min<std::uint32_t>(count, slotCount); ++i) {
        const char* slot = reinterpret_cast<const char*>(memory_ + slotsOffset + slotSize * i);
        parameters.emplace_back(slot, strnlen(slot, longestParameter));
    }
    return parameters;
}

void InstanceBlock::removeName()
{
    shm_unlink(name_.c_str());
}

NamedSemaphore::NamedSemaphore(std::string name, sem_t* semaphore)
    : name_(std::move(name)), semaphore_(semaphore)
{
}

std::unique_ptr<NamedSemaphore> NamedSemaphore::create(const std::string& name, bool fresh)
{
    if (fresh)
        sem_unlink(name.c_str());
    sem_t* semaphore = sem_open(name.c_str(), O_CREAT, 0600, 0);
    if (semaphore == SEM_FAILED)
        return nullptr;
    return std::unique_ptr<NamedSemaphore>(new NamedSemaphore(name, semaphore));
}

std::unique_ptr<NamedSemaphore> NamedSemaphore::openExisting(const std::string& name)
{
    sem_t* semaphore = sem_open(name.c_str(), 0);
    if (semaphore == SEM_FAILED)
        return nullptr;
    return std::unique_ptr<NamedSemaphore>(new NamedSemaphore(name, semaphore));
}

NamedSemaphore::~NamedSemaphore()
{
    sem_close(semaphore_);
}

bool NamedSemaphore::wait(std::chrono::milliseconds timeout)
{
    timespec deadline {};
    clock_gettime(CLOCK_REALTIME, &deadline);
    const auto total = std::chrono::nanoseconds(timeout).count() + deadline.tv_nsec;
    deadline.tv_sec += static_cast<time_t>(total / 1'000'000'000);
    deadline.tv_nsec = static_cast<long>(total % 1'000'000'000);
    while (sem_timedwait(semaphore_, &deadline) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

void NamedSemaphore::release()
{
    int value = 0;
    if (sem_getvalue(semaphore_, &value) == 0 && value >= 1)
        return;
    sem_post(semaphore_);
}

void NamedSemaphore::removeName()
{
    sem_unlink(name_.c_str());
}

} // namespace tarvela
