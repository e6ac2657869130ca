// What the index engine needs from a table: the field descriptors and the raw
// record bytes (code page 852, status byte first). DbfFile implements it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/dbf/FieldDescriptor.h"

namespace tarvela {

enum class LockProtocol { Clipper, Default };

class RecordSource {
public:
    virtual ~RecordSource() = default;
    virtual const std::vector<FieldDescriptor>& fields() const = 0;
    // Re-reads the count from the file length, so other programs' appends count.
    virtual std::uint32_t currentRecordCount() = 0;
    virtual void readRawRecord(std::uint32_t recordNumber, std::string& bytes) = 0;
    virtual std::string fileName() const = 0;  // for messages
    virtual LockProtocol lockProtocol() const = 0;
};

} // namespace tarvela
