// Opening one of the most used tables with its index file and a chosen tag,
// and closing it again. Opening never throws: a table that cannot be opened
// stays closed, and the caller tests isOpen() when it needs the table; a use
// of the closed table reports why the opening failed.
#pragma once

#include <string>

namespace tarvela {

class DbfTable;

// What to do when the table is open already.
enum class WhenAlreadyOpen {
    SelectTagOnly,       // the index file is assumed attached
    AttachWhenNoTags     // attach the index file first when no tag is available
};

// True when this call opened the table. The tag is selected only when it is
// not blank; an unknown tag leaves an open table without one.
bool openWithIndex(DbfTable& table, const std::string& indexFile, const std::string& tag,
                   WhenAlreadyOpen rule);

// Detaches the index file and closes the table; nothing when it is closed.
void closeWithIndex(DbfTable& table, const std::string& indexFile);

} // namespace tarvela
