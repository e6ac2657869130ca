// The colour an invoice is listed in: an unpaid invoice with a positive
// total is navy until its due date and red from the day after; every other
// invoice keeps the normal text colour.
#pragma once

#include "platform/Date.h"

namespace tarvela {

class DbfTable;

enum class InvoiceTint { Normal, Unpaid, Overdue };

InvoiceTint invoiceTint(bool paid, double total, DayNumber dueDate, DayNumber today);
// The same for the header record the table stands on.
InvoiceTint invoiceTintOf(const DbfTable& invoices, DayNumber today);

} // namespace tarvela
