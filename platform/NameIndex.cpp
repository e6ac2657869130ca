#include "platform/NameIndex.h"

#include "platform/Text.h"

namespace tarvela {

namespace {

constexpr std::size_t kFirstSize = 16;

} // namespace

std::uint32_t NameIndex::hashOf(std::string_view name)
{
    // FNV-1a over the upper-case bytes.
    std::uint32_t hash = 2166136261u;
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(upperAsciiChar(c))) * 16777619u;
    return hash;
}

// The slot holding the name, or the free slot where it would go.
std::size_t NameIndex::slotOf(std::string_view name, std::uint32_t hash) const
{
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (!slot.used || (slot.hash == hash && equalIgnoringAsciiCase(slot.name, name)))
            return at;
    }
}

bool NameIndex::add(std::string_view name, std::size_t position)
{
    if (2 * (count_ + 1) > slots_.size())
        grow();
    const std::uint32_t hash = hashOf(name);
    Slot& slot = slots_[slotOf(name, hash)];
    if (slot.used)
        return false;
    slot = {std::string(name), position, hash, true};
    ++count_;
    return true;
}

const std::size_t* NameIndex::find(std::string_view name) const
{
    if (slots_.empty())
        return nullptr;
    const Slot& slot = slots_[slotOf(name, hashOf(name))];
    return slot.used ? &slot.position : nullptr;
}

void NameIndex::grow()
{
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? kFirstSize : 2 * old.size(), Slot{});
    for (Slot& slot : old)
        if (slot.used)
            slots_[slotOf(slot.name, slot.hash)] = std::move(slot);
}

} // namespace tarvela
