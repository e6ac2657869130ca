// A compound file (OLE2 structured storage, version 3, 512-byte sectors)
// holding one stream, as the binary spreadsheet format needs around its
// workbook. The stream is written as it comes; the allocation table, the
// directory and the header follow when it is finished. The file appears
// whole on commit() or not at all.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/AtomicFile.h"

namespace tarvela {

class SingleStreamCompoundFile {
public:
    // streamName: at most 31 characters of ASCII.
    SingleStreamCompoundFile(const std::string& path, std::string streamName);

    void append(std::string_view bytes);
    std::uint64_t streamSize() const { return streamSize_; }
    void commit();

private:
    AtomicFile file_;
    std::string streamName_;
    std::uint64_t streamSize_ = 0;
};

} // namespace tarvela
