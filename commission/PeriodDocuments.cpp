#include "commission/PeriodDocuments.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "commission/TDataSestavy.h"
#include "data/table/DbfTable.h"
#include "platform/ReadBatch.h"
#include "platform/Ui.h"

namespace tarvela {

namespace {

bool inPeriod(DayNumber day, const SettlementPeriod& period)
{
    return period.from <= day && day <= period.to;
}

// Lifts the period's key range however the walk ends.
class KeyRangeScope {
public:
    KeyRangeScope(DbfTable& table, const SettlementPeriod& period) : table_(table)
    {
        table_.setKeyRange(formatCzechDate(period.from), formatCzechDate(period.to));
    }
    ~KeyRangeScope()
    {
        try {
            table_.clearKeyRange();
        } catch (...) {
            // The walk's own error, if any, is the one to report.
        }
    }
    KeyRangeScope(const KeyRangeScope&) = delete;
    KeyRangeScope& operator=(const KeyRangeScope&) = delete;

private:
    DbfTable& table_;
};

constexpr std::size_t kBatchSize = 64;

// The next documents in tag order, read under one index lock, for a lock per
// document would cost as much as reading them; the table is left on the
// last of them. Nothing else runs while the lock is held.
std::vector<ListedDocument> nextBatch(DbfTable& documents, bool stepFirst)
{
    std::vector<ListedDocument> batch;
    const DbfTable::IndexHold held(documents);
    if (stepFirst && !documents.eof())
        documents.next();
    for (; !documents.eof(); documents.next()) {
        batch.push_back(readListedDocument(documents));
        if (batch.size() == kBatchSize)
            break;
    }
    return batch;
}

int percentOf(double done, double whole)
{
    return whole > 0 ? int(std::lround(std::clamp(100.0 * done / whole, 0.0, 100.0))) : 100;
}

} // namespace

void forEachDocumentOfPeriod(DbfTable& documents, const ReportRequest& request, IssueDateSource issueDate, Ui& ui,
                             const std::function<void(const DocumentBatch&)>& visit)
{
    const ReadBatch readBatch;
    const SettlementPeriod& period = request.period;
    const bool byRange = request.dateBasis == DateBasis::IssueDate && issueDate == IssueDateSource::DatKeyRange;
    std::optional<KeyRangeScope> range;
    if (byRange)
        range.emplace(documents, period);
    else
        documents.first();
    // A key range has no cheap count: its progress is the share of the
    // period's days already passed.
    const double whole = byRange ? double(period.to) - period.from + 1 : double(documents.recordCount());
    ui.setProgressPercent(0);
    double done = 0;
    for (auto batch = nextBatch(documents, false); !batch.empty(); batch = nextBatch(documents, true)) {
        DocumentBatch taken;
        for (const ListedDocument& document : batch) {
            ui.processEvents();
            const DayNumber issue = issueDate == IssueDateSource::DatKeyRange ? document.entered : document.issued;
            if (inPeriod(dateByBasis(document, request.dateBasis, issue), period))
                taken.push_back(document);
            done = byRange ? double(document.entered) - period.from + 1 : done + 1;
            ui.setProgressPercent(percentOf(done, whole));
        }
        if (!taken.empty())
            visit(taken);
    }
}

void forEachDocumentWithAmounts(TDataSestavy& sestavy, const ReportRequest& request, DocumentKind kind,
                                const DocumentsWithAmounts& visit)
{
    TData& data = sestavy.data();
    const bool invoices = kind == DocumentKind::Invoice;
    const double sign = invoices ? 1 : -1;
    forEachDocumentOfPeriod(invoices ? sestavy.SesFak : sestavy.SesDob, request, IssueDateSource::DatKeyRange,
                            data.ui(), [&](const DocumentBatch& documents) {
                                std::vector<DocumentAmounts> amounts;
                                amounts.reserve(documents.size());
                                for (const DocumentTotals& totals : data.HlaHodOfDocuments(
                                         numbersOf(documents), invoices ? kInvoiceKind : kCreditNoteKind))
                                    amounts.push_back(amountsOf(totals).times(sign));
                                visit(documents, amounts, sign);
                            });
}

} // namespace tarvela
