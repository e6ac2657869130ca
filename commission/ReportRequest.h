// What one report run was asked for, handed by the run to the print handler:
// which report, for which period and, for the list reports, which date of a
// document counts, which documents to print and whether to write a
// spreadsheet. The selector numbers are the ones the report module has always
// used, so a run and its print handler agree on them.
#pragma once

#include <string>

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

// The index of the dialogs' date-kind choice.
enum class DateBasis { IssueDate = 0, TaxableSupply = 1, DueDate = 2 };

// The index of the invoice overview's payment choice; other values print all.
enum class PaymentFilter { All = 0, PaidOnly = 1, UnpaidOnly = 2 };

struct ReportRequest {
    ReportSelector selector = ReportSelector::Settlement;
    SettlementPeriod period{};  // not used by the disallowed-commission report
    DateBasis dateBasis = DateBasis::IssueDate;
    PaymentFilter paymentFilter = PaymentFilter::All;
    bool salesmanFilterOn = false;
    std::string salesmanFilter{};  // trimmed salesman code; may be empty
    bool exportXls = false;
};

} // namespace tarvela
