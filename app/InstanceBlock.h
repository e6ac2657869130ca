// The named shared block through which a second copy of the program hands
// its parameters to the running one. Layout (3018 bytes): 0 the running
// copy's process id (4 bytes), 4 the number of parameters (4 bytes, 0 to 10),
// 8 ten slots of 301 bytes, each a zero-terminated string of at most 300
// bytes. Names carry the user id, so every user has his own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/SharedBlock.h"

namespace tarvela {

class InstanceBlock {
public:
    static constexpr std::size_t kSize = 3018;
    static constexpr int kSlotCount = 10;
    static constexpr std::size_t kSlotSize = 301;

    // Nothing when the block can be neither created nor mapped.
    static std::unique_ptr<InstanceBlock> openOrCreate(const std::string& name);
    // Nothing when no block of that name exists.
    static std::unique_ptr<InstanceBlock> openExisting(const std::string& name);

    bool existed() const { return block_->existed(); }
    std::uint32_t owner() const;
    void setOwner(std::uint32_t processId);
    // At most ten parameters, each cut to 300 characters and 300 bytes on a
    // character boundary (UTF-8).
    void writeParameters(const std::vector<std::string>& parameters);
    std::vector<std::string> readParameters() const;
    // Removes the name, so that the next start creates a fresh block.
    void removeName() { block_->removeName(); }

private:
    explicit InstanceBlock(std::unique_ptr<SharedBlock> block) : block_(std::move(block)) {}
    static std::unique_ptr<InstanceBlock> over(std::unique_ptr<SharedBlock> block);

    std::unique_ptr<SharedBlock> block_;
};

} // namespace tarvela
