// One field of a DBF record as the file header describes it.
#pragma once

#include <cstdint>
#include <string>

namespace tarvela {

struct FieldDescriptor {
    std::string name;          // upper case, as stored
    char type = 'C';           // 'C', 'N', 'F', 'D', 'L', 'M', ...
    std::uint8_t width = 0;
    std::uint8_t decimals = 0;
    std::uint32_t offset = 0;  // from the start of the record, status byte at 0
};

} // namespace tarvela
