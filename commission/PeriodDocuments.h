// Walks the invoices or credit notes of a report's period through a cursor
// whose tag "DAT" (HLA_DAT) is active, letting window messages through and
// moving the progress bar once per document. With the issue date as basis
// the invoice overview and the turnover read only the period's key range;
// otherwise every document is read and its chosen date tested.
#pragma once

#include <functional>
#include <vector>

#include "commission/DocumentAmounts.h"
#include "commission/DocumentHeader.h"
#include "commission/ListedDocument.h"
#include "commission/ReportRequest.h"

namespace tarvela {

class DbfTable;
class TDataSestavy;
class Ui;

enum class IssueDateSource {
    DatKeyRange,  // HLA_DAT, read through the key range of the period
    DvsField      // HLA_DVS, tested on every document
};

// visit gets the documents of the period a few dozen at a time, in order.
void forEachDocumentOfPeriod(DbfTable& documents, const ReportRequest& request, IssueDateSource issueDate, Ui& ui,
                             const std::function<void(const DocumentBatch&)>& visit);

// The invoices (SesFak) or credit notes (SesDob) of the period by their
// issue date key, a few dozen at a time, each with its totals (amounts[i]
// belongs to documents[i]); sign is -1 for credit notes, whose amounts come
// negated.
using DocumentsWithAmounts = std::function<void(const DocumentBatch& documents,
                                                const std::vector<DocumentAmounts>& amounts, double sign)>;
void forEachDocumentWithAmounts(TDataSestavy& sestavy, const ReportRequest& request, DocumentKind kind,
                                const DocumentsWithAmounts& visit);

} // namespace tarvela
