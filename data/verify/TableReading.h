// Reading a whole table for the data check: opened shared for the time of
// the reading (a table found open stays open), walked in file order, and any
// failure turned into an Error whose message names the table's file.
#pragma once

#include <functional>
#include <string>

#include "data/company/TableRunProgress.h"
#include "data/table/DbfTable.h"
#include "data/table/ScopedTableOpen.h"
#include "platform/Error.h"

namespace tarvela {

// The message as it is when it names the file already, else prefixed with it.
std::string messageNamingFile(const std::string& message, const std::string& file);

template <typename Read>
auto whileOpen(DbfTable& table, Read read) -> decltype(read())
{
    try {
        ScopedTableOpen open(table);
        return read();
    } catch (const Error& error) {
        throw Error(messageNamingFile(error.what(), table.tableName()));
    }
}

// Calls visit with the table standing on each live record in file order;
// progress, when given, learns of the table and of the records done.
void readEveryRecord(DbfTable& table, const std::function<void()>& visit, TableRunProgress* progress = nullptr);

} // namespace tarvela
