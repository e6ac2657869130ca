// Positions of names found without regard to ASCII case: the field lookup of
// tables and memory tables, which every report makes for every value it
// reads. Hashing the upper-cased bytes in place spares the copy and the
// second lookup that a map keyed by upper-case names needs for "Faktura".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvela {

class NameIndex {
public:
    // False, and nothing added, when the name is there in any case.
    bool add(std::string_view name, std::size_t position);
    // nullptr when the name is unknown.
    const std::size_t* find(std::string_view name) const;
    bool contains(std::string_view name) const { return find(name) != nullptr; }

private:
    struct Slot {
        std::string name;
        std::size_t position = 0;
        std::uint32_t hash = 0;
        bool used = false;
    };

    static std::uint32_t hashOf(std::string_view name);
    std::size_t slotOf(std::string_view name, std::uint32_t hash) const;
    void grow();

    std::vector<Slot> slots_;  // open addressing, a power of two, at most half full
    std::size_t count_ = 0;
};

} // namespace tarvela
