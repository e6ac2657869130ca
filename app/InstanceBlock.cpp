#include "app/InstanceBlock.h"

#include <algorithm>
#include <cstring>

namespace tarvela {

namespace {

constexpr std::size_t kCountOffset = 4;
constexpr std::size_t kSlotsOffset = 8;
constexpr std::size_t kLongestParameter = InstanceBlock::kSlotSize - 1;

// At most 300 characters that fit in 300 bytes, never half a character.
std::string cutToSlot(const std::string& parameter)
{
    std::size_t characters = 0;
    std::size_t end = 0;
    for (std::size_t at = 0; at <= parameter.size(); ++at) {
        const bool startsCharacter =
            at == parameter.size() || (static_cast<unsigned char>(parameter[at]) & 0xC0) != 0x80;
        if (!startsCharacter)
            continue;
        if (at > kLongestParameter || characters > kLongestParameter)
            break;
        end = at;
        ++characters;
    }
    return parameter.substr(0, end);
}

} // namespace

std::unique_ptr<InstanceBlock> InstanceBlock::over(std::unique_ptr<SharedBlock> block)
{
    if (!block)
        return nullptr;
    return std::unique_ptr<InstanceBlock>(new InstanceBlock(std::move(block)));
}

std::unique_ptr<InstanceBlock> InstanceBlock::openOrCreate(const std::string& name)
{
    return over(SharedBlock::openOrCreate(name, kSize));
}

std::unique_ptr<InstanceBlock> InstanceBlock::openExisting(const std::string& name)
{
    return over(SharedBlock::openExisting(name, kSize));
}

std::uint32_t InstanceBlock::owner() const
{
    std::uint32_t processId = 0;
    std::memcpy(&processId, block_->bytes(), sizeof processId);
    return processId;
}

void InstanceBlock::setOwner(std::uint32_t processId)
{
    std::memcpy(block_->bytes(), &processId, sizeof processId);
}

void InstanceBlock::writeParameters(const std::vector<std::string>& parameters)
{
    unsigned char* memory = block_->bytes();
    const std::uint32_t count = static_cast<std::uint32_t>(std::min<std::size_t>(parameters.size(), kSlotCount));
    std::memcpy(memory + kCountOffset, &count, sizeof count);
    for (std::uint32_t i = 0; i < count; ++i) {
        unsigned char* slot = memory + kSlotsOffset + kSlotSize * i;
        const std::string cut = cutToSlot(parameters[i]);
        std::memset(slot, 0, kSlotSize);
        std::memcpy(slot, cut.data(), cut.size());
    }
}

std::vector<std::string> InstanceBlock::readParameters() const
{
    const unsigned char* memory = block_->bytes();
    std::uint32_t count = 0;
    std::memcpy(&count, memory + kCountOffset, sizeof count);
    std::vector<std::string> parameters;
    for (std::uint32_t i = 0; i < std::min<std::uint32_t>(count, kSlotCount); ++i) {
        const char* slot = reinterpret_cast<const char*>(memory + kSlotsOffset + kSlotSize * i);
        parameters.emplace_back(slot, strnlen(slot, kLongestParameter));
    }
    return parameters;
}

} // namespace tarvela
