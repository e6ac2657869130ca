// The tables of a settlement run, opened for the run and closed when the
// report system has returned, also on failure: salesmen, invoices and credit
// notes in tag "DO1" order, and the commission split with its tag "DO1".
// Tables found open get their tag and stay open.
#pragma once

#include <string>
#include <vector>

#include "data/table/ScopedTableOpen.h"

namespace tarvela {

class TData;

class ReportTablesOpen {
public:
    explicit ReportTablesOpen(TData& data);

private:
    ScopedTableOpen salesmen_;
    ScopedTableOpen invoices_;
    ScopedTableOpen splits_;
    ScopedTableOpen creditNotes_;
};

// Positions Obchodnici on the salesman (trailing blanks ignored); false when
// there is none.
bool locateSalesman(TData& data, const std::string& salesman);

// The codes of every salesman of Obchodnici in its order, blank ones left out.
std::vector<std::string> salesmanCodes(TData& data);

} // namespace tarvela
