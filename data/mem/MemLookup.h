// Finds the rows of a memory table whose fields equal given values without
// walking the table: a hash of row numbers by the values of one field list.
// The owning table must report every added and changed row.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "data/mem/MemField.h"

namespace tarvela {

class MemLookup {
public:
    explicit MemLookup(std::vector<std::size_t> fieldPositions);

    const std::vector<std::size_t>& fieldPositions() const { return positions_; }
    void add(std::size_t row, const std::vector<MemValue>& values);
    void change(std::size_t row, const std::vector<MemValue>& before, const std::vector<MemValue>& after);
    void clear() { rows_.clear(); }
    // Row numbers in the order they were added; empty when none matches.
    const std::vector<std::size_t>& find(const std::vector<MemValue>& key) const;

    static std::string keyOf(const std::vector<MemValue>& key);

private:
    std::string rowKey(const std::vector<MemValue>& values) const;

    std::vector<std::size_t> positions_;
    std::unordered_map<std::string, std::vector<std::size_t>> rows_;
};

} // namespace tarvela
