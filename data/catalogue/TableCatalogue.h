// All 79 tables the data module knows: member name, file base name, whether
// the file belongs to one company or to all, lock protocol and, for the 17
// tables the program reads or writes, the record layout bound at open.
#pragma once

#include <string>
#include <vector>

#include "data/catalogue/FileNaming.h"
#include "data/catalogue/TableLayout.h"
#include "data/table/DbfTable.h"

namespace tarvela {

class TData;

struct CatalogueEntry {
    std::string member;                // e.g. "Faktury"
    std::string prefix;                // "Fak", or the whole shared name "SSK0000"
    FileNaming naming = FileNaming::PerCompany;
    LockProtocol lockProtocol = LockProtocol::Clipper;
    const TableLayout* layout = nullptr;  // nullptr: the program does not read its records
    DbfTable TData::*table = nullptr;

    // e.g. "Fak0001" for company "0001"; shared tables keep their name.
    std::string fileBaseName(const std::string& company) const;
};

// In the order of the catalogue: the 17 used tables first.
const std::vector<CatalogueEntry>& tableCatalogue();
const CatalogueEntry* findCatalogueEntry(const std::string& member);

// The only names of the data folder's files: the table file without extension
// ("Fak0001") and the index file with it ("Fak0001.cdx"), spelled as the
// catalogues spell them. Throws Error for a member the catalogue does not know
// or, for indexFileOf, one that has no index file.
std::string tableFileOf(const std::string& member, const std::string& company);
std::string indexFileOf(const std::string& member, const std::string& company);

} // namespace tarvela
