// A declared order of a memory table: fields compared left to right, numbers
// by value and texts by their characters, empty fields first. A unique index
// shows one row per key (the first one added); a descending one reverses the
// whole order.
#pragma once

#include <string>
#include <vector>

#include "data/mem/MemSchema.h"

namespace tarvela {

struct MemIndex {
    std::string name;
    std::vector<std::string> fields;
    bool unique = false;
    bool descending = false;
};

// "A;B;C" -> {"A", "B", "C"}
std::vector<std::string> splitFieldList(const std::string& list);

// Three-way comparison of two rows on the given field positions.
int compareRows(const std::vector<MemValue>& left, const std::vector<MemValue>& right,
                const std::vector<std::size_t>& fieldPositions);

} // namespace tarvela
