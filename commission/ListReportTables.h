// The tables of the list reports (invoice overview, sales by salesman,
// customer rebate), held from before the parameter dialog opens until the
// report has been shown, and released however the command ends: the report
// module's own document cursors SesFak and SesDob over the invoice and
// credit-note files with tag "DAT", the commission split with tag "DO1", and
// the tables the document totals and paid sums read. A second holder while
// one is alive uses the tables as they are.
#pragma once

#include <optional>

#include "data/table/ScopedTableOpen.h"

namespace tarvela {

class TDataSestavy;

class ListReportTables {
public:
    explicit ListReportTables(TDataSestavy& sestavy);
    ~ListReportTables();
    ListReportTables(const ListReportTables&) = delete;
    ListReportTables& operator=(const ListReportTables&) = delete;

private:
    void releaseCursors();

    TDataSestavy& sestavy_;
    bool cursorsOpenedHere_ = false;
    std::optional<ScopedTableOpen> splits_, journal_, cards_, discounts_, payments_, salesmen_;
};

} // namespace tarvela
