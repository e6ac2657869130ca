// What the index engine needs from a table: the field descriptors and the raw
// record bytes (code page 852, status byte first). DbfFile implements it; the
// index engine above reads tables only through it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/dbf/FieldDescriptor.h"
#include "data/dbf/LockProtocol.h"

namespace tarvela {

class RecordSource {
public:
    virtual ~RecordSource() = default;
    virtual const std::vector<FieldDescriptor>& fields() const = 0;
    // Re-reads the count from the file length, so other programs' appends count.
    virtual std::uint32_t currentRecordCount() = 0;
    virtual void readRawRecord(std::uint32_t recordNumber, std::string& bytes) = 0;
    // Records first .. first + count - 1, back to back; one read where the
    // source allows.
    virtual void readRawRecords(std::uint32_t first, std::uint32_t count, std::string& bytes)
    {
        bytes.clear();
        std::string record;
        for (std::uint32_t number = first; number < first + count; ++number) {
            readRawRecord(number, record);
            bytes += record;
        }
    }
    virtual std::string fileName() const = 0;  // for messages
    virtual LockProtocol lockProtocol() const = 0;
};

} // namespace tarvela
