// The table that the writer driver changes and the tests that kill it or run
// two of it check: its file, its fields and its index file's tags, and the
// lines the driver reports its writes with.
#pragma once

#include <string>

#include "data/catalogue/IndexCatalogue.h"

namespace tarvela::test::writer {

inline const std::string TableBase = "Kil0001";
inline const std::string TableFile = TableBase + ".DBF";
inline const std::string IndexFile = TableBase + ".cdx";

// KOD C 8, NAZ C 12, CIS N 8.2.
inline IndexedTable indexSpec()
{
    IndexedTable table;
    table.member = "Kil";
    table.indexPrefix = TableBase;
    table.naming = FileNaming::Shared;
    table.failureMessage = "Tabulku nelze indexovat";
    table.tags = {{"KOD", "KOD", "", IndexTagSpec::Plain, "KOD"},
                  {"NAZ", "UPPER(NAZ)", "", IndexTagSpec::Plain, "NAZ"},
                  {"CIS", "CIS", "", IndexTagSpec::Descending, "CIS"},
                  {"KLADNE", "KOD", "CIS >0", IndexTagSpec::Plain, "KLADNE"}};
    return table;
}

// Report lines, one write(2) each, after the write they report returned:
//   "I <record>"  a change of the record starts (0: an append)
//   "C <record>\t<KOD>\t<NAZ>\t<CIS>"  the record holds these values
//   "D <record>"  a deletion of the record starts
//   "X <record>"  the record is deleted

} // namespace tarvela::test::writer
