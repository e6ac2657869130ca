// Payments, document discounts and split rows whose document number names no
// invoice and no credit note (numbers equal but for trailing blanks). One
// finding per table and missing document, in the order of the numbers.
#pragma once

#include "data/verify/CompanyBooks.h"
#include "data/verify/Finding.h"

namespace tarvela {

Findings checkRowsWithoutDocument(const CompanyBooks& books);

} // namespace tarvela
