// A named block of shared memory that other processes of the same user can
// open by name (POSIX shared memory here). The block stays mapped for the
// life of this object; its name lives on until removeName().
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace tarvela {

class SharedBlock {
public:
    // Nothing when the block can be neither created nor mapped.
    static std::unique_ptr<SharedBlock> openOrCreate(const std::string& name, std::size_t size);
    // Nothing when no block of that name and at least that size exists.
    static std::unique_ptr<SharedBlock> openExisting(const std::string& name, std::size_t size);
    ~SharedBlock();
    SharedBlock(const SharedBlock&) = delete;
    SharedBlock& operator=(const SharedBlock&) = delete;

    bool existed() const { return existed_; }
    unsigned char* bytes() const { return memory_; }
    void removeName();

private:
    SharedBlock(std::string name, unsigned char* memory, std::size_t size, bool existed);

    std::string name_;
    unsigned char* memory_;
    std::size_t size_;
    bool existed_;
};

// "/<name>.<uid>": one object per name and user.
std::string perUserObjectName(const std::string& baseName);

} // namespace tarvela
