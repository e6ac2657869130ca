// Walks the records of one document through the active tag, whose key must
// begin with the document number. A key range matches every key that begins
// with its bound (F00012 would also take F000123), so only records whose
// number equals the sought one exactly are visited. The walk holds the
// table's index locks throughout (one lock, not one per row), so visit must
// not wait for the user. The range stays in force and the table stands at
// its end afterwards.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace tarvela {

class DbfTable;

// Trailing blanks are ignored on both sides.
bool sameNumber(const std::string& stored, const std::string& sought);

void forEachRowOfDocument(DbfTable& table, const std::string& numberField, const std::string& number,
                          const std::function<void()>& visit);

// The same for several documents in turn, all under one hold of the index
// locks (a report reads a few dozen documents at a time); visit learns the
// position of the document in numbers. The range of the last one stays.
void forEachRowOfDocuments(DbfTable& table, const std::string& numberField, const std::vector<std::string>& numbers,
                           const std::function<void(std::size_t document)>& visit);

} // namespace tarvela
