#include "platform/SharedBlock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvela {

namespace {

unsigned char* mapBlock(int descriptor, std::size_t size)
{
    void* memory = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, descriptor, 0);
    return memory == MAP_FAILED ? nullptr : static_cast<unsigned char*>(memory);
}

} // namespace

std::string perUserObjectName(const std::string& baseName)
{
    return "/" + baseName + "." + std::to_string(getuid());
}

SharedBlock::SharedBlock(std::string name, unsigned char* memory, std::size_t size, bool existed)
    : name_(std::move(name)), memory_(memory), size_(size), existed_(existed)
{
}

std::unique_ptr<SharedBlock> SharedBlock::openOrCreate(const std::string& name, std::size_t size)
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
        && (static_cast<std::size_t>(status.st_size) >= size || ftruncate(descriptor, off_t(size)) == 0);
    unsigned char* memory = sized ? mapBlock(descriptor, size) : nullptr;
    close(descriptor);
    if (memory == nullptr)
        return nullptr;
    return std::unique_ptr<SharedBlock>(new SharedBlock(name, memory, size, existed));
}

std::unique_ptr<SharedBlock> SharedBlock::openExisting(const std::string& name, std::size_t size)
{
    const int descriptor = shm_open(name.c_str(), O_RDWR, 0600);
    if (descriptor < 0)
        return nullptr;
    struct stat status {};
    unsigned char* memory = fstat(descriptor, &status) == 0 && static_cast<std::size_t>(status.st_size) >= size
        ? mapBlock(descriptor, size)
        : nullptr;
    close(descriptor);
    if (memory == nullptr)
        return nullptr;
    return std::unique_ptr<SharedBlock>(new SharedBlock(name, memory, size, true));
}

SharedBlock::~SharedBlock()
{
    munmap(memory_, size_);
}

void SharedBlock::removeName()
{
    shm_unlink(name_.c_str());
}

} // namespace tarvela
