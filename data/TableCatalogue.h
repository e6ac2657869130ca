// All 79 tables the data module knows: member name, file base name, whether
// the file belongs to one company or to all, lock protocol and, for the 17
// tables the program reads or writes, the record layout bound at open.
#pragma once

#include <string>
#include <vector>

#include "data/DbfTable.h"
#include "data/TableLayout.h"

namespace tarvela {

class TData;

struct CatalogueEntry {
    enum Naming { PerCompany, Shared };

    std::string member;                // e.g. "Faktury"
    std::string prefix;                // "Fak", or the whole shared name "SSK0000"
    Naming naming = PerCompany;
    LockProtocol lockProtocol = LockProtocol::Clipper;
    const TableLayout* layout = nullptr;  // nullptr: the program does not read its records
    DbfTable TData::*table = nullptr;

    // e.g. "Fak0001" for company "0001"; shared tables keep their name.
    std::string fileBaseName(const std::string& company) const;
};

// In the order of the catalogue: the 17 used tables first.
const std::vector<CatalogueEntry>& tableCatalogue();
const CatalogueEntry* findCatalogueEntry(const std::string& member);

} // namespace tarvela
