// The header of a DBF file of the dBase III / FoxPro 2 family: 32 bytes, one
// 32-byte descriptor per field and the byte 0x0D. Parsing never trusts the
// file; whatever does not add up is refused with a clear message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/dbf/FieldDescriptor.h"

namespace tarvela {

struct ChangeTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    static ChangeTime now();
};

class DbfHeader {
public:
    static constexpr std::size_t kPrefixSize = 32;

    // Header length from the first 32 bytes; error when they cannot start a table.
    static std::uint16_t headerLengthOf(std::string_view prefix, const std::string& fileName);
    // bytes holds at least the whole header (headerLengthOf bytes).
    static DbfHeader parse(std::string_view bytes, const std::string& fileName);

    std::uint8_t version() const { return static_cast<std::uint8_t>(prefix_[0]); }
    std::uint32_t storedRecordCount() const;
    std::uint16_t headerLength() const { return headerLength_; }
    std::uint16_t recordLength() const { return recordLength_; }
    std::string lastUpdate() const;  // "dd.mm.yyyy" as stored, year taken from 1900/2000
    const std::vector<FieldDescriptor>& fields() const { return fields_; }

    // The 32 leading bytes to write back: everything as read, with the date,
    // record count, change stamp and user number of this write.
    std::string stampedPrefix(std::uint32_t recordCount, std::uint32_t userNumber, const ChangeTime& time) const;

private:
    std::string prefix_;
    std::uint16_t headerLength_ = 0;
    std::uint16_t recordLength_ = 0;
    std::vector<FieldDescriptor> fields_;
};

// The change stamp of bytes 16 to 19: ((h * 64 + m) * 64 + s) * 1024 + ms.
std::uint32_t changeStamp(const ChangeTime& time);

} // namespace tarvela
