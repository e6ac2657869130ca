// The documents of the settlement, card-rate, disallowed and group reports
// chosen for several salesmen in one walk over the invoices and credit
// notes: each document's header, payments and splits are read once, and its
// journal lines once for all the salesmen it counts for. The reports then
// draw what was chosen, so one salesman's report is the same whether he was
// chosen alone or among others.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "commission/ReportRequest.h"
#include "commission/ReportSalesman.h"
#include "commission/SettlementBlock.h"
#include "data/mem/MemTable.h"

namespace tarvela {

class TDataSestavy;

struct SelectedDocument {
    DocumentKind kind = DocumentKind::Invoice;
    // False for a card-rate candidate that passed the payment tests but has
    // no card of the salesman: the layout still breaks the page for it.
    bool shown = true;
    SettlementBlock block;
    MemTable::Contents items;  // the rows of DokladObsahFak
};

struct SalesmanSelection {
    ReportSalesman salesman;
    std::vector<SelectedDocument> documents;

    bool listsDocuments() const;
};

// The salesman's selection among them, or their end.
std::vector<SalesmanSelection>::iterator findSelection(std::vector<SalesmanSelection>& selections,
                                                       const std::string& salesman);

// Told after every document walked, of all the report walks.
using DocumentProgress = std::function<void(std::size_t done, std::size_t total)>;

// One selection per salesman, in the order given. The tables of the run must
// be open (ReportTablesOpen); today is what the disallowed report judges by.
std::vector<SalesmanSelection> selectDocuments(TDataSestavy& sestavy, ReportSelector selector,
                                               const std::vector<ReportSalesman>& salesmen,
                                               const SettlementPeriod& period, DayNumber today,
                                               const DocumentProgress& progress = {});

} // namespace tarvela
