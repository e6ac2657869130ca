// Folds the journal lines of a document into one memory-table row per card
// and variant (DokladObsahFak). startRow and addLineToRow work on a row in
// append or edit state; foldLine finds or appends the row and posts it.
#pragma once

#include <functional>
#include <string>

#include "commission/JournalLine.h"
#include "commission/OperationCodes.h"
#include "data/mem/MemTable.h"

namespace tarvela {

// A new row: key, the line's amounts, VAT rate, per-piece values, document.
void startRow(MemTable& rows, const JournalLine& line, const OperationCodeLists& codes,
              const std::string& document);

// An existing row: the line's amounts added to the running sums, per-piece
// values recomputed unless the quantities sum to zero.
void addLineToRow(MemTable& rows, const JournalLine& line, const OperationCodeLists& codes);

// Adds the line to the row of its card and variant, appending the row when
// there is none; `finish` (told whether the row is new) completes the row
// before it is posted. A failure leaves the table as it was.
void foldLine(MemTable& rows, const JournalLine& line, const OperationCodeLists& codes,
              const std::string& document, const std::function<void(bool isNew)>& finish);

} // namespace tarvela
