#include "data/documents/InvoiceTint.h"

#include "data/table/DbfTable.h"

namespace tarvela {

InvoiceTint invoiceTint(bool paid, double total, DayNumber dueDate, DayNumber today)
{
    if (paid || total <= 0)
        return InvoiceTint::Normal;
    return today > dueDate ? InvoiceTint::Overdue : InvoiceTint::Unpaid;
}

InvoiceTint invoiceTintOf(const DbfTable& invoices, DayNumber today)
{
    return invoiceTint(invoices.asBool("HLA_PLA"), invoices.asFloat("HLA_CUH"), invoices.asDate("HLA_DSP"), today);
}

} // namespace tarvela
