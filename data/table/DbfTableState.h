// The private state of a DbfTable, shared by the files that implement it:
// the properties set before opening and the cursor of the open table.
// Only DbfTable's own implementation files include this header.
#pragma once

#include <cstdint>
#include <string>

#include "data/table/DbfTable.h"
#include "platform/NameIndex.h"

namespace tarvela {

struct DbfTable::Settings {
    std::string directory;
    std::string tableName;
    bool exclusive = false;
    LockProtocol protocol = LockProtocol::Clipper;
    const TableLayout* layout = nullptr;
    std::uint32_t userNumber = 0;
    bool building = false;  // a tag is being built
    std::string failedOpening;  // why the last quiet opening failed
};

struct DbfTable::Cursor {
    State state = State::Closed;
    std::uint32_t recordNumber = 0;  // 0: no current record
    bool eof = true;
    bool bof = true;
    std::string buffer;              // the current record, code page 852
    std::string spare;               // a second record buffer for navigation
    std::string original;            // its bytes before edit; empty while inserting
    std::uint32_t returnTo = 0;      // record to go back to when an insert is cancelled
    NameIndex fieldIndex;
};

} // namespace tarvela
