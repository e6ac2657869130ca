// What one report run was asked for, handed by the run to the print handler:
// which report and for which period. The selector numbers are the ones the
// report module has always used, so a run and its print handler agree on them.
#pragma once

#include "commission/PaymentTerms.h"

namespace tarvela {

enum class ReportSelector {
    Settlement = 1,
    Groups = 2,
    Summary = 3,
    InvoiceOverview = 4,
    SalesTurnover = 5,
    Disallowed = 6,
    SpecialSettlement = 7,
    CustomerRebate = 8,
};

struct ReportRequest {
    ReportSelector selector = ReportSelector::Settlement;
    SettlementPeriod period;  // not used by the disallowed-commission report
};

} // namespace tarvela
