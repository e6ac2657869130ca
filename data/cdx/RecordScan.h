// Every record of a table in file order, read in large blocks: building and
// checking a tag read the whole file, and one read per record would cost a
// system call each.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "data/dbf/RecordSource.h"

namespace tarvela::cdx {

using RecordVisit = std::function<void(std::uint32_t recordNumber, const std::string& record)>;

// Records 1 .. count.
void forEachRecord(RecordSource& table, std::uint32_t count, const RecordVisit& visit);

} // namespace tarvela::cdx
